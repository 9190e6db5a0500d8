// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// Unicode's decimal digits (general category Nd) and invisible marks in UTF-8 text. Every Nd digit belongs to a run
// of ten consecutive code points from its zero, so a digit is known by its zero and its value.

#include <cstddef>
#include <string>
#include <string_view>

namespace pellucor {

struct DecodedDigit {
    std::size_t length = 0;  // bytes; 0 when no decimal digit starts here
    char32_t zero = 0;       // the digit system, named by its zero
    int value = 0;
};

DecodedDigit DecimalDigitAt(std::string_view text, std::size_t pos);

// The code point as UTF-8.
std::string Utf8(char32_t c);

// The ASCII digits of `ascii` written in the digit system whose zero is given.
std::string WithDigits(std::string_view ascii, char32_t zero);

// The text without the invisible direction marks that right-to-left locales put around signs
// and that copying keeps, and with the full-width forms of ASCII signs, letters and marks
// (what an East Asian input method types) as ASCII; full-width digits stay as they are.
std::string WithoutMarks(std::string_view text);

}  // namespace pellucor
