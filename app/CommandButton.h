// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A command button as desktop users expect it without being anyone's default button: Return
// and keypad Enter press it when it has the focus, as Space does, and the focus shows as a
// ring in the button's text colour, which stands out from its face under every theme.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
