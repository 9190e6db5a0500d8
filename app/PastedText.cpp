// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "PastedText.h"

#include "FieldNote.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>

QString PastedText::Cleaned(QString text) {
    for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n'), QChar(0x0085), QChar(0x2028), QChar(0x2029)})
        text.remove(lineBreak);
    // trimmed() takes every Unicode white space: no-break, narrow, ideographic spaces, tabs.
    return text.trimmed();
}

bool PastedText::Insert(QLineEdit* field, const QString& text) {
    const QString cleaned = Cleaned(text);
    const qsizetype kept = field->text().size() - field->selectedText().size();
    if (kept + cleaned.size() > field->maxLength()) {
        // A note at the field rather than a box: the user is mid-gesture and only needs to learn
        // why nothing happened.
        FieldNote::Show(field, RefusalNote(field->maxLength()));
        return false;
    }
    field->insert(cleaned);
    return true;
}

QString PastedText::RefusalNote(int maxLength) {
    // In the digits the figures around it are written in.
    return QCoreApplication::translate("frmMain", "Nothing inserted: this field takes at most %1 characters.")
        .arg(QLocale().toString(maxLength));
}
