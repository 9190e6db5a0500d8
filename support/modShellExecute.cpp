// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "modShellExecute.h"

#include <memory>
#include <utility>

namespace pellucor {

OpenDone CalledOnce(OpenDone done) {
    auto pending = std::make_shared<OpenDone>(std::move(done));
    return [pending](bool opened) {
        // Taken out first: the completion may start a box whose event loop comes back here.
        OpenDone call = std::exchange(*pending, nullptr);
        if (call) call(opened);
    };
}

void ShellOpen(Shell& shell, const std::string& file, std::int32_t ownerWindow, const std::optional<std::string>& verb,
               std::int32_t showCommand, const std::string& parameters, OpenDone done) {
    OpenDone finish = CalledOnce(std::move(done));
    shell.Execute(ownerWindow, verb, file, parameters, std::string(), showCommand,
                  [&shell, file, ownerWindow, finish](std::int32_t result) {
                      if (result != ShellResult::NoAssociation) {
                          finish(result > ShellResult::LastFailure);
                          return;
                      }
                      try {
                          OpenWithDialog(shell, file, ownerWindow, finish);
                      } catch (...) {
                          // Nobody up the stack may be waiting for a throw any more.
                          finish(false);
                      }
                  });
}

void OpenWithDialog(Shell& shell, const std::string& file, std::int32_t ownerWindow, OpenDone done) {
    shell.ExecuteOpenWith(ownerWindow, file,
                          [done = std::move(done)](std::int32_t result) { done(result > ShellResult::LastFailure); });
}

}  // namespace pellucor
