// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// How pasted and dropped text enters an input field. A figure copied from a spreadsheet cell,
// a terminal or a web page brings line breaks and blanks around it; they go before the field's
// length limit applies. What still does not fit is refused whole, because a figure cut short
// is a different figure.

#include <QString>

class QLineEdit;

class PastedText {
public:
    // Line breaks anywhere and white space around dropped.
    static QString Cleaned(QString text);

    // Puts the cleaned text at the field's cursor, in place of its selection, when the whole
    // of it fits; otherwise leaves the field as it is, says why beside it and returns false.
    static bool Insert(QLineEdit* field, const QString& text);

    // The short note shown beside a field that refused a paste or a drop.
    static QString RefusalNote(int maxLength);
};
