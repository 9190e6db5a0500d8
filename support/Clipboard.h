// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace pellucor {

// The system clipboard, reduced to what the help fallback needs. Either call may throw when
// the clipboard cannot be reached.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace pellucor
