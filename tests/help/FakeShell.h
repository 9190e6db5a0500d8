// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A shell that answers from a script, one outcome per call, at once, as the Windows shell does,
// and records what it was asked.

#include "Shell.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace pellucor::testing {

// A scripted outcome that is not a code: the call itself fails.
constexpr std::int32_t Throws = -1000;

struct ShellCall {
    bool openWith = false;
    std::int32_t owner = 0;
    std::optional<std::string> verb;
    std::string file;
    std::string parameters;
    std::string directory;
    std::int32_t showCommand = 0;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(std::deque<std::int32_t> script) : script_(std::move(script)) {}

    void Execute(std::int32_t owner, const std::optional<std::string>& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                 ShellDone done) override {
        calls.push_back({false, owner, verb, file, parameters, directory, showCommand});
        done(Next());
    }

    void ExecuteOpenWith(std::int32_t owner, const std::string& file, ShellDone done) override {
        calls.push_back({true, owner, std::nullopt, file, {}, {}, 0});
        done(Next());
    }

    std::vector<ShellCall> calls;

private:
    std::int32_t Next() {
        if (script_.empty()) {
            ADD_FAILURE() << "shell called more often than scripted";
            return ShellResult::Failed;
        }
        const std::int32_t code = script_.front();
        script_.pop_front();
        if (code == Throws) throw std::runtime_error("shell library cannot be reached");
        return code;
    }

    std::deque<std::int32_t> script_;
};

}  // namespace pellucor::testing
