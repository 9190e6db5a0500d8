// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "FieldNote.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <algorithm>

// A child of the window rather than a tooltip window of its own: clicks go through it to what
// lies under it, so it never stands between the user and a control.
FieldNote::FieldNote(QWidget* window) : QLabel(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("fieldNote"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    expiry_.setSingleShot(true);
    expiry_.setInterval(6000);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
    connect(qApp, &QApplication::focusChanged, this, &QWidget::hide);
}

void FieldNote::Show(QLineEdit* field, const QString& text) {
    QWidget* window = field->window();
    auto* note = window->findChild<FieldNote*>(QStringLiteral("fieldNote"), Qt::FindDirectChildrenOnly);
    if (note == nullptr)
        note = new FieldNote(window);
    note->setText(text);
    note->setAccessibleName(text);
    note->adjustSize();
    // Under the field, reaching from its edge towards the captions rather than the buttons
    // (leftwards, or rightwards in a mirrored window), and inside the window.
    const int x = field->isRightToLeft() ? 0 : field->width() - note->width();
    const QPoint below = field->mapTo(window, QPoint(x, field->height() + 2));
    note->move(std::clamp(below.x(), 2, std::max(2, window->width() - note->width() - 2)), below.y());
    note->raise();
    disconnect(note->edited_);
    note->edited_ = connect(field, &QLineEdit::textChanged, note, &QWidget::hide);
    note->show();
    note->expiry_.start();
    // Screen readers announce an alert; a note that only shows would pass them by.
    QAccessibleEvent alert(note, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
