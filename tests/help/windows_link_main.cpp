// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Links the Windows shell against shell32, so a wrong declaration shows up as a link error.

#include "ShellWindows.h"

int main() {
    pellucor::ShellWindows shell;
    int status = 1;
    shell.ExecuteOpenWith(0, "https://pellucor.org/", [&status](std::int32_t code) { status = code > 32 ? 0 : 1; });
    return status;
}
