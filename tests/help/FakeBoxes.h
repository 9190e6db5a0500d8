// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Message boxes answered from a script; an unscripted box is a test failure.

#include "MessageBoxHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace pellucor::testing {

// A scripted answer that is not a button: showing the box fails.
constexpr int BoxFails = -1;

struct ShownBox {
    std::string text;
    int style;
};

class FakeBoxes : public MessageBoxHost {
public:
    explicit FakeBoxes(std::deque<int> answers) : answers_(std::move(answers)) {}

    int MsgBox(const std::string& text, int style) override {
        shown.push_back({text, style});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected box: " << text;
            return MsgBoxAnswer::Cancel;
        }
        const int answer = answers_.front();
        answers_.pop_front();
        if (answer == BoxFails) throw std::runtime_error("box cannot be shown");
        return answer;
    }

    std::vector<ShownBox> shown;

private:
    std::deque<int> answers_;
};

}  // namespace pellucor::testing
