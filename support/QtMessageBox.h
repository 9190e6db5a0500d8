// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "MessageBoxHost.h"
#include "Translator.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace pellucor {

// Shows a modal QMessageBox for a style value (buttons, icon, default-button flags) and
// returns the answer code. The title is the application's display name. Closing the box with
// its close button answers Cancel where the box has a Cancel button.
int ShowMessageBox(QWidget* parent, const QString& text, int style);

// Boxes owned by a window, their texts translated by the application's translators. Once that
// window is closed a box would stand alone, so showing one fails instead.
class QtMessageBoxHost : public MessageBoxHost, public Translator {
public:
    explicit QtMessageBoxHost(QWidget* parent = nullptr) : parent_(parent), owned_(parent != nullptr) {}
    int MsgBox(const std::string& text, int style) override;
    std::string Translate(const char* context, const char* sourceText) const override;

private:
    QPointer<QWidget> parent_;
    bool owned_;
};

}  // namespace pellucor
