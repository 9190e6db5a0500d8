// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The shell on a Linux desktop. The execute service is the desktop's opener (xdg-open), run
// with the address as its only argument and never through a command interpreter; its exit
// status, whenever it comes, becomes an execute-service code. The application chooser is the
// desktop portal's. Nothing here waits: the outcomes come from the Qt event loop.

#include "Shell.h"

#include <chrono>

namespace pellucor {

class ShellLinux : public Shell {
public:
    // In its generic mode the opener runs the browser in the foreground, so an opener still
    // running after the grace period is taken to have opened the address. It is left running,
    // never killed, and reaped whenever it ends; its exit then changes nothing.
    explicit ShellLinux(std::string opener = "xdg-open",
                        std::chrono::milliseconds grace = std::chrono::milliseconds(10000));

    // Only the default verb (or "open") is known; other verbs have nothing associated with
    // them. Parameters, directory and show command do not apply to opening a document. An
    // opener that cannot be started is FileNotFound, at once.
    void Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                 ShellDone done) override;
    void ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file, ShellDone done) override;

    // The opener's exit status (as waitpid reports it) in execute-service codes.
    static std::int32_t ResultOfExitStatus(int status);

private:
    std::string opener_;
    std::chrono::milliseconds grace_;
};

}  // namespace pellucor
