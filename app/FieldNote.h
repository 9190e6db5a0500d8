// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// A short note in a box under a field, for what the user should learn without a box to
// close. Unlike a tooltip it outlives the key release that follows Ctrl+V; it goes after a few
// seconds, as soon as the field's text changes, or when the focus moves.

#include <QLabel>
#include <QTimer>

class QLineEdit;

class FieldNote : public QLabel {
    Q_OBJECT

public:
    // Shows the text under the field; one note per window, reused.
    static void Show(QLineEdit* field, const QString& text);

private:
    explicit FieldNote(QWidget* window);
    QTimer expiry_;
    QMetaObject::Connection edited_;
};
