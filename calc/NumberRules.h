// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// How the calculator reads numbers from text and writes them back.
//
// One grammar decides what a number is: white space around it (any Unicode blank, line
// breaks included), an optional sign, decimal digits of any one Unicode digit system (Latin,
// Arabic-Indic, Persian, Devanagari, full-width, ...; one system per number), optionally
// grouped as the locale groups them or in threes, split by the locale's group separator (any
// of space, U+00A0 and U+202F where that separator is one of them; both apostrophes where it is
// one of them), the locale's decimal separator with a fraction, and an optional exponent.
// Where the locale's own digits are not Latin, the point is a second decimal mark wherever it
// cannot be a group separator. Direction marks are ignored and full-width signs and marks read
// as their ASCII forms. The number test and the conversions share the grammar, so whatever
// passes the test converts. Nothing else counts: no currency symbols, trailing signs,
// parentheses, "inf", "nan" or hexadecimal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pellucor {

// The locale as plain data (UTF-8). The window fills it from the system locale.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string negativeSign = "-";
    std::string positiveSign = "+";
    char32_t zeroDigit = U'0';  // the digit system numbers are written in
    int primaryGroup = 3;       // digits in the group next to the decimal separator
    int secondaryGroup = 3;     // digits in each group before it (2 in India: 1,00,000)
    std::string percentSign = "%";

    static NumberLocale PointDecimal() { return {}; }
    static NumberLocale CommaDecimal() { return {",", ".", "-", "+"}; }
};

// The number test: true when the whole text is a number that converts to a finite double.
bool IsNumber(std::string_view text, const NumberLocale& locale);

// Whole-text conversion. A text that is not a number raises "Type mismatch"; a number beyond
// the double range raises "Overflow". Values below the smallest subnormal become zero.
double TextToDouble(std::string_view text, const NumberLocale& locale);

// The same, to single precision (through the double value): beyond the single range is an
// "Overflow".
float TextToSingle(std::string_view text, const NumberLocale& locale);

// Rounds the exact value of a double to the given number of decimal places and returns the
// nearest double; only a value exactly halfway is a tie, and a tie goes to the even neighbour.
double RoundHalfEven(double value, std::int32_t digits);

// value × 100 with exactly `decimals` decimals, the locale's digits, separators, grouping and
// percent sign appended.
std::string FormatPercent(double value, int decimals, const NumberLocale& locale);

// At most 15 significant digits in the locale's digits, no group separators, no trailing zeros in the fraction and
// no decimal separator for a whole number; exponent form outside 1E-05 .. 1E+15.
std::string DoubleToText(double value, const NumberLocale& locale);

}  // namespace pellucor
