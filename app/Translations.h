// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's texts in the user's interface language: our catalogue and Qt's own (standard
// buttons, context menus), chosen by the desktop's language list, whatever the number format.

#include <QLocale>
#include <QString>

namespace pellucor {

// The catalogue name for the first of the languages we ship, English included (which needs
// none and gives an empty name), or an empty name when none of them is shipped.
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the catalogues for QLocale::system()'s interface languages; call after the
// application object exists and before the first window. Returns the language loaded ("" for
// English).
QString InstallTranslations();

}  // namespace pellucor
