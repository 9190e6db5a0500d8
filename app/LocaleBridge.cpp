// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "LocaleBridge.h"

#include <QStringList>

namespace pellucor {

namespace {

// Qt offers no grouping sizes; how the locale writes a ten-digit number shows them.
void ReadGrouping(const QLocale& locale, NumberLocale& out) {
    QLocale grouping(locale);
    grouping.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString separator = grouping.groupSeparator();
    if (separator.isEmpty())
        return;
    const QStringList groups = grouping.toString(1234567890LL).split(separator);
    if (groups.size() < 2)
        return;
    const auto digitsIn = [](const QString& group) { return static_cast<int>(group.toUcs4().size()); };
    out.primaryGroup = digitsIn(groups.last());
    out.secondaryGroup = groups.size() > 2 ? digitsIn(groups.at(groups.size() - 2)) : out.primaryGroup;
}

}  // namespace

NumberLocale NumberLocaleFrom(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    NumberLocale out{decimal.isEmpty() ? std::string(".") : decimal.toStdString(),
                     locale.groupSeparator().toStdString(), locale.negativeSign().toStdString(),
                     locale.positiveSign().toStdString()};
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (!zero.isEmpty())
        out.zeroDigit = static_cast<char32_t>(zero.first());
    if (!locale.percent().isEmpty())
        out.percentSign = locale.percent().toStdString();
    ReadGrouping(locale, out);
    return out;
}

}  // namespace pellucor
