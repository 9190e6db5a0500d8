// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the online help lives. The page's source is docs/library/pellucor/index.html; an
// installation that publishes it elsewhere changes this address and nothing else.

#include "Translator.h"

namespace pellucor {

inline constexpr char HelpPageAddress[] = "https://pellucor.org/library/pellucor/";

// The Help button's tooltip, a source text of the window's context: %1 is the address.
inline constexpr char HelpPageToolTipText[] = QT_TRANSLATE_NOOP("frmMain", "Go to: %1");

}  // namespace pellucor
