// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "NumberRules.h"

#include <QLocale>

namespace pellucor {

// The separators the calculation reads and writes numbers with, taken from a Qt locale.
NumberLocale NumberLocaleFrom(const QLocale& locale);

}  // namespace pellucor
