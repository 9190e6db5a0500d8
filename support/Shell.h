// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The desktop shell as the help procedures see it: an execute service that opens a file or
// address with whatever the system associates with it, and the system's application chooser.
// Both answer in the execute service's codes: above 32 is success, 31 means nothing is
// associated, anything else up to 32 is a failure. The answer is handed to a completion, which
// a platform that answers at once calls before returning and one that must wait for another
// program calls later, from the event loop. ShellWindows and ShellLinux are the two
// platforms; tests substitute their own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pellucor {

namespace ShellResult {
constexpr std::int32_t Failed = 0;  // when no more precise code applies
constexpr std::int32_t FileNotFound = 2;
constexpr std::int32_t NoAssociation = 31;
constexpr std::int32_t LastFailure = 32;
constexpr std::int32_t Opened = 42;  // any value above LastFailure
// The user dismissed the chooser: nothing failed that the user should be told about.
constexpr std::int32_t Cancelled = 1223;
}  // namespace ShellResult

namespace ShowCommand {
constexpr std::int32_t Normal = 1;
}  // namespace ShowCommand

// Called once with the outcome; a chooser the user leaves open ends in failure at its deadline.
// A shell that cannot be reached throws from the call itself instead.
using ShellDone = std::function<void(std::int32_t)>;

class Shell {
public:
    virtual ~Shell() = default;
    // A verb without a value selects the default action, which is not the same as an empty verb.
    virtual void Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                         ShellDone done) = 0;
    // Lets the user pick the program to open the file or address with.
    virtual void ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file, ShellDone done) = 0;
};

// The shell of the platform the program was built for.
std::unique_ptr<Shell> MakeSystemShell();

}  // namespace pellucor
