// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "CommandButton.h"

#include <QKeyEvent>
#include <QPainter>

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        // A held key would otherwise repeat the command many times a second.
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    // Two pixels (more on a larger font) inside the bevel, in the colour the button's own
    // text has against its face.
    const int width = std::max(2, fontMetrics().height() / 8);
    const int inset = 3 + width / 2;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::ButtonText), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}
