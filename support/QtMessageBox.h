#pragma once

#include "MessageBoxHost.h"

#include <QString>

class QWidget;

namespace pellucor {

// Shows a modal QMessageBox for a style value (buttons, icon, default-button flags) and
// returns the answer code. The title is the application's display name. Closing the box with
// its close button answers Cancel where the box has a Cancel button.
int ShowMessageBox(QWidget* parent, const QString& text, int style);

class QtMessageBoxHost : public MessageBoxHost {
public:
    explicit QtMessageBoxHost(QWidget* parent = nullptr) : parent_(parent) {}
    int MsgBox(const std::string& text, int style) override;

private:
    QWidget* parent_;
};

}  // namespace pellucor
