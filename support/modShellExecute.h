// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Shell.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace pellucor {

// Told once whether the shell reported success (a chooser the user cancelled counts: there is
// no failure to report).
using OpenDone = std::function<void(bool)>;

// Opens a file or address with the program associated with it; when there is none, offers the
// application chooser instead. A failure of the shell itself propagates when it happens during
// this call; once the call has returned, it can only be reported as not opened.
void ShellOpen(Shell& shell, const std::string& file, std::int32_t ownerWindow, const std::optional<std::string>& verb,
               std::int32_t showCommand, const std::string& parameters, OpenDone done);

// Shows the application chooser for a file or address.
void OpenWithDialog(Shell& shell, const std::string& file, std::int32_t ownerWindow, OpenDone done);

// Wraps a completion so that only its first call gets through, however often a platform or a
// failure path calls it; copies share that one call.
OpenDone CalledOnce(OpenDone done);

}  // namespace pellucor
