// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Answers the application's modal message boxes as they appear, from a script, and keeps what
// each box showed. A box beyond the script is closed and counted as unexpected.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <vector>

namespace pellucor::testing {

struct SeenBox {
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

// What to do with a box: press a button, or close it with its close button.
struct BoxAction {
    QMessageBox::StandardButton press = QMessageBox::NoButton;
    static BoxAction Close() { return {}; }
};

class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(std::deque<BoxAction> script);

    std::vector<SeenBox> seen;
    int unexpected = 0;

private:
    void Poll();

    std::deque<BoxAction> script_;
    QTimer timer_;
};

}  // namespace pellucor::testing
