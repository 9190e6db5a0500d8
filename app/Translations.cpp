// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace pellucor {

namespace {

// Our catalogues are compiled into the program, so it finds them wherever it is installed.
const QString CatalogueFolder = QStringLiteral(":/i18n/");
const QString CataloguePrefix = QStringLiteral("pellucor_");

// Qt reads the layout direction from this entry of its own context; the translators set it,
// with Qt's own disambiguation so that Qt's lookup finds our entry first.
struct SourceWithComment {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr SourceWithComment LayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages "
    "(such as Hebrew and Arabic) to get proper widget layout.");

bool Shipped(const QString& name) {
    return QFile::exists(CatalogueFolder + CataloguePrefix + name + QStringLiteral(".qm"));
}

}  // namespace

QString Translations::Choose(const QStringList& uiLanguages) {
    QStringList languagesSeen;
    for (const QString& tag : uiLanguages) {
        // "pt-BR", "zh-Hans-CN", "de": the whole name first, then shorter, as QTranslator does.
        QStringList parts = QString(tag).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
        const QString language = parts.front();
        while (!parts.isEmpty()) {
            const QString name = parts.join(QLatin1Char('_'));
            if (Shipped(name))
                return name;
            parts.removeLast();
        }
        // English is the source; a user who puts it before another language gets it.
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return QString();
        // A bare "zh" or "zh-Hans" means the language's most likely country; but not where the
        // list already named another country for it ("pt-PT, pt" is not Brazil's Portuguese).
        if (!languagesSeen.contains(language)) {
            const QString likely = QLocale(tag).name();
            if (likely != QLatin1String("C") && Shipped(likely))
                return likely;
            languagesSeen.append(language);
        }
    }
    return QString();
}

Translations::Translations(const QStringList& uiLanguages) {
    const QString name = Choose(uiLanguages);
    if (name.isEmpty() || !own_.load(CatalogueFolder + CataloguePrefix + name + QStringLiteral(".qm")))
        return;
    language_ = name;
    // Qt's catalogue first, so that ours (installed last, asked first) decides the direction.
    if (qt_.load(QLocale(name), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
    // Qt reads the direction when it handles the change of language; the first window must be
    // laid out in it already.
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
}

Translations::~Translations() {
    if (language_.isEmpty())
        return;
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
}

}  // namespace pellucor
