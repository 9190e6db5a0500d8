// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Clipboard.h"

namespace pellucor {

// The application's system clipboard; throws when there is no GUI application to reach it.
class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
};

}  // namespace pellucor
