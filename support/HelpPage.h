// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the online help lives. The page's source is docs/library/pellucor/index.html; an
// installation that publishes it elsewhere changes this address and nothing else.

#include <string>

namespace pellucor {

inline constexpr char HelpPageAddress[] = "https://pellucor.org/library/pellucor/";

// The Help button's tooltip.
inline std::string HelpPageToolTip() {
    return std::string("Go to: ") + HelpPageAddress;
}

}  // namespace pellucor
