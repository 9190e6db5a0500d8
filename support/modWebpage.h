// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Clipboard.h"
#include "MessageBoxHost.h"
#include "Shell.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pellucor {

// Asks for consent (when confirm is true), starts opening the address through the shell and
// returns without waiting for it; when the shell later reports failure, offers to copy the
// address to the clipboard. Never throws and never reports an error: a failing step is
// skipped. boxes, shell and clipboard must outlive the request: until finished is called, once,
// at its end (for a chooser the user leaves open, once its deadline has passed).
void OpenWebPage(MessageBoxHost& boxes, Shell& shell, Clipboard& clipboard, const std::string& address,
                 std::int32_t ownerWindow, bool confirm, std::function<void()> finished = {}) noexcept;

// The same on the running desktop: Qt message boxes owned by the window with that handle (or
// none when it is 0; none at all once that window has closed), the system shell and the
// system clipboard, kept alive by the request itself. Defined in pellucor_support.
void OpenWebPage(const std::string& address, std::int32_t ownerWindow, bool confirm,
                 std::function<void()> finished = {}) noexcept;

}  // namespace pellucor
