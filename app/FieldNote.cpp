// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "FieldNote.h"

#include <QLineEdit>

FieldNote::FieldNote(QWidget* window) : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("fieldNote"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    expiry_.setSingleShot(true);
    expiry_.setInterval(6000);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
}

void FieldNote::Show(QLineEdit* field, const QString& text) {
    QWidget* window = field->window();
    auto* note = window->findChild<FieldNote*>(QStringLiteral("fieldNote"), Qt::FindDirectChildrenOnly);
    if (note == nullptr)
        note = new FieldNote(window);
    note->setText(text);
    note->setAccessibleName(text);
    note->adjustSize();
    note->move(field->mapToGlobal(QPoint(0, field->height() + 2)));
    disconnect(note->edited_);
    note->edited_ = connect(field, &QLineEdit::textChanged, note, &QWidget::hide);
    note->show();
    note->expiry_.start();
}
