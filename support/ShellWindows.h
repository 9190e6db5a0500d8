// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The Windows shell: the execute service of shell32, and its Open With dialog started through
// that same service. Kept free of Qt so that it builds with a plain cross compiler.

#include "Shell.h"

namespace pellucor {

class ShellWindows : public Shell {
public:
    // The execute service answers at once, so both call their completion before returning.
    void Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                 ShellDone done) override;
    void ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file, ShellDone done) override;
};

}  // namespace pellucor
