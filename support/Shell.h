#pragma once
// The desktop shell as the help procedures see it: an execute service that opens a file or
// address with whatever the system associates with it, and the system's application chooser.
// Both answer in the execute service's codes: above 32 is success, 31 means nothing is
// associated, anything else up to 32 is a failure. ShellWindows and ShellLinux are the two
// platforms; tests substitute their own.

#include <cstdint>
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
}  // namespace ShellResult

namespace ShowCommand {
constexpr std::int32_t Normal = 1;
}  // namespace ShowCommand

class Shell {
public:
    virtual ~Shell() = default;
    // A verb without a value selects the default action, which is not the same as an empty verb.
    virtual std::int32_t Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb,
                                 const std::string& file, const std::string& parameters, const std::string& directory,
                                 std::int32_t showCommand) = 0;
    // Lets the user pick the program to open the file or address with.
    virtual std::int32_t ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file) = 0;
};

// The shell of the platform the program was built for.
std::unique_ptr<Shell> MakeSystemShell();

}  // namespace pellucor
