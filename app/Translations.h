// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's texts in the user's interface language: our catalogue and Qt's own (standard
// buttons, context menus), chosen by the desktop's list of interface languages (LANGUAGE,
// LC_MESSAGES, LANG), whatever the number format says.

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pellucor {

class Translations {
public:
    // Installs the catalogues for the first of the listed languages we ship (none for English,
    // the source language), with the layout direction its translation names. Create it after
    // the application object and before the first window; destroying it uninstalls them.
    explicit Translations(const QStringList& uiLanguages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The catalogue's language ("de", "pt_BR", ...), empty for English.
    QString Language() const { return language_; }

    // The catalogue name of the first listed language we ship, empty when that is English
    // or when none is shipped.
    static QString Choose(const QStringList& uiLanguages);

private:
    QTranslator qt_;
    QTranslator own_;
    QString language_;
};

}  // namespace pellucor
