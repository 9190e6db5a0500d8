#pragma once

#include "Clipboard.h"
#include "MessageBoxHost.h"
#include "Shell.h"

#include <cstdint>
#include <string>

namespace pellucor {

// Asks for consent (when confirm is true), opens the address through the shell, and when that
// fails offers to copy the address to the clipboard. Never throws and never reports an error:
// a failing step is skipped.
void OpenWebPage(MessageBoxHost& boxes, Shell& shell, Clipboard& clipboard, const std::string& address,
                 std::int32_t ownerWindow, bool confirm) noexcept;

// The same on the running desktop: Qt message boxes owned by the window with that handle (or
// none when it is 0), the system shell and the system clipboard. Defined in pellucor_support.
void OpenWebPage(const std::string& address, std::int32_t ownerWindow, bool confirm) noexcept;

}  // namespace pellucor
