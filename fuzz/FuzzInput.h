// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// How the calculation fuzzers read their input, so that a corpus file stays readable:
//
//   line 1   the locale: one digit picks a real locale from KnownLocales; otherwise its
//            characters are the decimal separator, group separator, negative and positive
//            sign, in that order, and missing ones keep the point-decimal defaults
//   line 2+  the texts (for the Calculate fuzzer: NPV, N, PMT, closing amount, then an
//            optional fault line)
//
// A "character" is a well-formed UTF-8 sequence or, failing that, one byte, so invalid UTF-8
// reaches the code under test as it is.

#include "NumberRules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor::fuzz {

// Byte length of the character starting at text[pos].
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (pos + n > text.size())
        return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 1;
    }
    return n;
}

inline std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = CharLength(text, pos);
        out.emplace_back(text.substr(pos, n));
        pos += n;
    }
    return out;
}

// What a field of the window holds at most: 15 characters.
inline std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; pos < text.size() && taken < count; ++taken)
        pos += CharLength(text, pos);
    return std::string(text.substr(0, pos));
}

inline std::vector<std::string_view> Lines(std::string_view data) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t nl = data.find('\n');
        lines.push_back(data.substr(0, nl));
        if (nl == std::string_view::npos)
            return lines;
        data.remove_prefix(nl + 1);
    }
}

// Separators, digits and grouping as Qt reports them for a few locales that differ from English.
inline const std::array<NumberLocale, 10>& KnownLocales() {
    static const std::array<NumberLocale, 10> locales{{
        {".", ",", "-", "+"},                                                      // en
        {",", ".", "-", "+"},                                                      // de
        {",", "\u202F", "-", "+"},                                                 // fr: narrow no-break space
        {".", "\u2019", "-", "+"},                                                 // de_CH: right single quote
        {",", "\u00A0", "\u2212", "+"},                                            // sv: no-break space, minus sign
        {"\u066B", "\u066C", "\u061C-", "\u061C+", U'\u0660', 3, 3, "\u066A\u061C"},  // ar_EG: Arabic-Indic digits
        {".", ",", "\u200E-", "\u200E+"},                                          // he: left-to-right mark before the sign
        {"\u066B", "\u066C", "\u200E\u2212", "\u200E+", U'\u06F0', 3, 3, "\u066A"},   // fa: Persian digits
        {".", ",", "-", "+", U'0', 3, 2, "%"},                                     // en_IN: lakh grouping
        {".", ",", "-", "+", U'\u09E6', 3, 2, "%"},                                // bn_BD: Bengali digits, lakhs
    }};
    return locales;
}

// The locale line, and whether it names a known locale (whose separators are well formed).
inline NumberLocale LocaleFromLine(std::string_view line, bool& known) {
    known = false;
    if (line.empty()) {
        known = true;
        return NumberLocale::PointDecimal();
    }
    if (line.size() == 1 && line[0] >= '0' && line[0] <= '9') {
        known = true;
        return KnownLocales()[static_cast<std::size_t>(line[0] - '0') % KnownLocales().size()];
    }
    NumberLocale locale = NumberLocale::PointDecimal();
    const std::vector<std::string> chars = Characters(line);
    std::string* parts[] = {&locale.decimalSeparator, &locale.groupSeparator, &locale.negativeSign,
                            &locale.positiveSign};
    for (std::size_t i = 0; i < chars.size() && i < 4; ++i)
        *parts[i] = chars[i];
    return locale;
}

}  // namespace pellucor::fuzz
