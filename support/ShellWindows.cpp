// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ShellWindows.h"

// shellapi.h needs the types that windows.h declares.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <utility>

namespace pellucor {

void ShellWindows::Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                           const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                           ShellDone done) {
    // Window handles carry 32 significant bits and are sign-extended on 64-bit Windows.
    const HWND owner = reinterpret_cast<HWND>(static_cast<std::intptr_t>(ownerWindow));
    const HINSTANCE result = ShellExecuteA(owner, verb ? verb->c_str() : nullptr, file.c_str(), parameters.c_str(),
                                           directory.c_str(), showCommand);
    // Only the low 32 bits are meaningful: a code up to 32, or some value above it.
    done(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(result)));
}

void ShellWindows::ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file, ShellDone done) {
    // Nothing is quoted: the dialog takes everything after the comma and blank as the file.
    Execute(ownerWindow, std::nullopt, "RUNDLL32.EXE", "shell32.dll,OpenAs_RunDLL " + file, std::string(),
            SW_SHOWNORMAL, std::move(done));
}

std::unique_ptr<Shell> MakeSystemShell() {
    return std::make_unique<ShellWindows>();
}

}  // namespace pellucor
