// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Drives the stand-in opener that the test's PATH finds first: a directory of its own where
// the stub reads what to do and writes the arguments it received (NUL-separated) and its pid.
// The stub finds the directory through PELLUCOR_OPENER_STUB_DIR, set here and restored after.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pellucor::testing {

class OpenerStub {
public:
    // behaviour: an exit code, "after SECONDS CODE" (exits with CODE that much later), "hang"
    // (keeps running) or "crash" (killed by a signal).
    explicit OpenerStub(const std::string& behaviour);
    ~OpenerStub();
    OpenerStub(const OpenerStub&) = delete;
    OpenerStub& operator=(const OpenerStub&) = delete;

    // For the openers started from now on.
    void SetBehaviour(const std::string& behaviour);
    bool WasStarted() const;
    std::vector<std::string> Arguments() const;
    // Waits (boundedly) for the stub to report its pid.
    std::optional<pid_t> Pid() const;

private:
    std::filesystem::path dir_;
    std::optional<std::string> previous_;
};

}  // namespace pellucor::testing
