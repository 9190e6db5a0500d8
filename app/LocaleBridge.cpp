// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "LocaleBridge.h"

namespace pellucor {

NumberLocale NumberLocaleFrom(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    return NumberLocale{decimal.isEmpty() ? std::string(".") : decimal.toStdString(),
                        locale.groupSeparator().toStdString(), locale.negativeSign().toStdString(),
                        locale.positiveSign().toStdString()};
}

}  // namespace pellucor
