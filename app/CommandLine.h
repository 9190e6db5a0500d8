// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// The command line, read before any display is looked for, so that --help and --version answer
// on a terminal without one. Qt's own options (-style, -platform, -reverse, ...) are let through
// to QApplication; anything else is refused.

#include <cstdio>
#include <optional>

namespace pellucor {

class CommandLine {
public:
    // Prints the answer to --help and --version on out, a refusal on err.
    CommandLine(int argc, char* argv[], std::FILE* out = stdout, std::FILE* err = stderr);

    // Set when the program ends here, with this status, its answer printed.
    std::optional<int> ExitStatus() const { return exitStatus_; }
    // -platform or -display was given: where the program shows is then Qt's choice.
    bool NamesPlatform() const { return namesPlatform_; }

private:
    std::optional<int> exitStatus_;
    bool namesPlatform_ = false;
};

}  // namespace pellucor
