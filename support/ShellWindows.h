#pragma once
// The Windows shell: the execute service of shell32, and its Open With dialog started through
// that same service. Kept free of Qt so that it builds with a plain cross compiler.

#include "Shell.h"

namespace pellucor {

class ShellWindows : public Shell {
public:
    std::int32_t Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         std::int32_t showCommand) override;
    std::int32_t ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file) override;
};

}  // namespace pellucor
