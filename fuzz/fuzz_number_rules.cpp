// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The number test against the conversions. Input: a locale line, then the text (any bytes).
//
// Checked for every text: the test accepts exactly what the whole-text conversion accepts;
// the conversion fails only with "Type mismatch" or "Overflow"; an accepted text converts to a
// finite double; the single conversion agrees with it or overflows. For the real locales, also:
// blanks around a number change nothing, a minus in front negates it, and the program's own
// text form of the value reads back as a number within 15 significant digits.

#include "AppError.h"
#include "FuzzInput.h"
#include "NumberRules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using namespace pellucor;

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "invariant broken: %s\ntext: \"%s\"\n", what, text.c_str());
    std::abort();
}

void Require(bool ok, const char* what, const std::string& text) {
    if (!ok)
        Fail(what, text);
}

// Converts, or returns the error number it raised.
std::int32_t Convert(const std::string& text, const NumberLocale& locale, double& value) {
    try {
        value = TextToDouble(text, locale);
        return ErrorNumber::None;
    } catch (const AppError& e) {
        Require(e.Number() == ErrorNumber::TypeMismatch || e.Number() == ErrorNumber::Overflow,
                "conversion raised an unexpected error", text);
        return e.Number();
    }
}

void CheckSingle(const std::string& text, const NumberLocale& locale, double value) {
    try {
        const float f = TextToSingle(text, locale);
        Require(std::isfinite(f) && f == static_cast<float>(value), "single conversion disagrees", text);
    } catch (const AppError& e) {
        Require(e.Number() == ErrorNumber::Overflow, "single conversion raised something other than Overflow", text);
        Require(std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()),
                "single conversion overflowed inside the single range", text);
    }
}

void CheckRealLocale(const std::string& text, const NumberLocale& locale, bool isNumber, double value) {
    Require(IsNumber(" \t" + text + "\t ", locale) == isNumber, "blanks around changed the verdict", text);
    Require(IsNumber("\u00A0\u202F" + text + "\r\n", locale) == isNumber, "Unicode blanks around changed the verdict",
            text);
    if (!isNumber)
        return;

    const std::string negated = locale.negativeSign + text;
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
        double n = 0;
        Require(Convert(negated, locale, n) == ErrorNumber::None, "a minus in front made it no number", text);
        Require(n == -value, "a minus in front did not negate", text);
    }

    const std::string written = DoubleToText(value, locale);
    double back = 0;
    Require(IsNumber(written, locale), "the program's own text form is no number", written);
    Require(Convert(written, locale, back) == ErrorNumber::None, "the program's own text form does not convert",
            written);
    Require(std::fabs(back - value) <= 1e-14 * std::fabs(value), "the text form lost more than 15 digits", written);

    // Formatting and rounding any accepted value must not fail except by overflow.
    (void)RoundHalfEven(value, 3);
    try {
        (void)FormatPercent(value, 3, locale);
    } catch (const AppError& e) {
        Require(e.Number() == ErrorNumber::Overflow, "percent format raised something other than Overflow", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nl = input.find('\n');
    bool known = false;
    const NumberLocale locale = fuzz::LocaleFromLine(input.substr(0, nl), known);
    const std::string text(nl == std::string_view::npos ? std::string_view() : input.substr(nl + 1));

    const bool isNumber = IsNumber(text, locale);
    double value = 0;
    const std::int32_t converted = Convert(text, locale, value);
    Require(isNumber == (converted == ErrorNumber::None), "number test and conversion disagree", text);
    if (isNumber) {
        Require(std::isfinite(value), "an accepted text converted to a non-finite value", text);
        CheckSingle(text, locale, value);
    }
    if (known)
        CheckRealLocale(text, locale, isNumber, value);
    return 0;
}
