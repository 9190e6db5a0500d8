#include "modShellExecute.h"

namespace pellucor {

bool ShellOpen(Shell& shell, const std::string& file, std::int32_t ownerWindow, const std::optional<std::string>& verb,
               std::int32_t showCommand, const std::string& parameters) {
    const std::int32_t result = shell.Execute(ownerWindow, verb, file, parameters, std::string(), showCommand);
    if (result == ShellResult::NoAssociation) return OpenWithDialog(shell, file, ownerWindow);
    return result > ShellResult::LastFailure;
}

bool OpenWithDialog(Shell& shell, const std::string& file, std::int32_t ownerWindow) {
    return shell.ExecuteOpenWith(ownerWindow, file) > ShellResult::LastFailure;
}

}  // namespace pellucor
