// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "Translator.h"

#include <vector>

namespace pellucor {

std::string Translate(const MessageBoxHost& host, const char* context, const char* sourceText) {
    if (const auto* translator = dynamic_cast<const Translator*>(&host))
        return translator->Translate(context, sourceText);
    return sourceText;
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> args(arguments);
    std::string out;
    out.reserve(text.size() + 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace pellucor
