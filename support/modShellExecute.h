#pragma once

#include "Shell.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pellucor {

// Opens a file or address with the program associated with it; when there is none, offers the
// application chooser instead. True when the shell reports success. Failures of the shell
// itself propagate.
bool ShellOpen(Shell& shell, const std::string& file, std::int32_t ownerWindow, const std::optional<std::string>& verb,
               std::int32_t showCommand, const std::string& parameters);

// Shows the application chooser for a file or address. True when the shell reports success.
bool OpenWithDialog(Shell& shell, const std::string& file, std::int32_t ownerWindow);

}  // namespace pellucor
