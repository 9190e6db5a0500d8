// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Clipboard.h"

#include <stdexcept>
#include <string>

namespace pellucor::testing {

class FakeClipboard : public Clipboard {
public:
    explicit FakeClipboard(std::string text) : text(std::move(text)) {}

    void Clear() override {
        ++clears;
        if (clearFails) throw std::runtime_error("clipboard busy");
        text.clear();
    }
    void SetText(const std::string& t) override {
        ++sets;
        if (setFails) throw std::runtime_error("clipboard busy");
        text = t;
    }

    std::string text;
    bool clearFails = false;
    bool setFails = false;
    int clears = 0;
    int sets = 0;
};

}  // namespace pellucor::testing
