// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "NumberRules.h"

#include "AppError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace pellucor {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A separator is never empty in use; an empty one simply never matches.
bool StartsWith(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

// Unicode white space in UTF-8: what a copy from a spreadsheet, a terminal or a word
// processor leaves around a figure (tabs, line breaks, no-break and other spaces).
constexpr std::string_view Blanks[] = {
    " ", "\t", "\n", "\v", "\f", "\r", "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002",
    "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029",
    "\u202F", "\u205F", "\u3000"};

std::size_t BlankAt(std::string_view text, std::size_t pos) {
    for (std::string_view b : Blanks) {
        if (StartsWith(text, pos, b))
            return b.size();
    }
    return 0;
}

std::size_t BlankBefore(std::string_view text, std::size_t end) {
    for (std::string_view b : Blanks) {
        if (end >= b.size() && text.substr(end - b.size(), b.size()) == b)
            return b.size();
    }
    return 0;
}

// Where the group separator is a kind of space (French uses U+202F), people type the plain
// space or a no-break space for it: any of the three separates groups.
constexpr std::string_view SpaceSeparators[] = {" ", "\u00A0", "\u202F"};

bool IsSpaceSeparator(std::string_view separator) {
    for (std::string_view s : SpaceSeparators) {
        if (separator == s)
            return true;
    }
    return false;
}

std::size_t GroupSeparatorAt(std::string_view text, std::size_t pos, std::string_view separator) {
    if (separator.empty())
        return 0;
    if (!IsSpaceSeparator(separator))
        return StartsWith(text, pos, separator) ? separator.size() : 0;
    for (std::string_view s : SpaceSeparators) {
        if (StartsWith(text, pos, s))
            return s.size();
    }
    return 0;
}

// The parsed shape of a number: its digits without separators, where the decimal point
// falls among them, and its exponent.
struct Scanned {
    bool negative = false;
    std::string digits;         // integer digits then fraction digits
    std::size_t intDigits = 0;  // how many of `digits` stand before the decimal point
    long long exponent = 0;     // clamped: anything this large is out of range anyway
};

constexpr long long ExponentClamp = 100000;

std::optional<Scanned> Scan(std::string_view text, const NumberLocale& loc) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    for (std::size_t n; pos < end && (n = BlankAt(text, pos)) != 0;)
        pos += n;
    for (std::size_t n; end > pos && (n = BlankBefore(text.substr(0, end), end)) != 0;)
        end -= n;
    text = text.substr(0, end);

    Scanned out;
    // The longer sign first, so that a locale sign that begins with '-' is not cut short.
    auto takeSign = [&](bool& negative) {
        for (std::string_view s : {std::string_view(loc.negativeSign), std::string_view("-")}) {
            if (StartsWith(text, pos, s)) {
                pos += s.size();
                negative = true;
                return;
            }
        }
        for (std::string_view s : {std::string_view(loc.positiveSign), std::string_view("+")}) {
            if (StartsWith(text, pos, s)) {
                pos += s.size();
                return;
            }
        }
    };
    takeSign(out.negative);

    const std::string_view dec = loc.decimalSeparator;
    // A group separator equal to the decimal one could not be told apart: no grouping then.
    const std::string_view grp =
        loc.groupSeparator == loc.decimalSeparator ? std::string_view() : std::string_view(loc.groupSeparator);

    // Integer part: plain digits, or 1-3 digits followed by whole groups of three.
    std::size_t run = 0;
    bool grouped = false;
    while (pos < text.size()) {
        if (IsDigit(text[pos])) {
            out.digits.push_back(text[pos++]);
            ++run;
            continue;
        }
        if (const std::size_t n = GroupSeparatorAt(text, pos, grp)) {
            if (run == 0 || (grouped ? run != 3 : run > 3))
                return std::nullopt;
            grouped = true;
            run = 0;
            pos += n;
            continue;
        }
        break;
    }
    if (grouped && run != 3)
        return std::nullopt;
    out.intDigits = out.digits.size();

    if (StartsWith(text, pos, dec)) {
        pos += dec.size();
        while (pos < text.size() && IsDigit(text[pos]))
            out.digits.push_back(text[pos++]);
    }
    if (out.digits.empty())
        return std::nullopt;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool expNegative = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            expNegative = text[pos++] == '-';
        if (pos >= text.size() || !IsDigit(text[pos]))
            return std::nullopt;
        long long e = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            e = std::min(ExponentClamp, e * 10 + (text[pos++] - '0'));
        }
        out.exponent = expNegative ? -e : e;
    }
    if (pos != text.size())
        return std::nullopt;
    return out;
}

enum class Outcome { Ok, Overflow };

Outcome ToDouble(const Scanned& s, double& value) {
    // Leading zeros carry no value but would make the decimal exponent estimate wrong.
    std::size_t first = 0;
    while (first < s.digits.size() && s.digits[first] == '0')
        ++first;
    if (first == s.digits.size()) {
        value = s.negative ? -0.0 : 0.0;
        return Outcome::Ok;
    }
    std::string canonical;
    canonical.reserve(s.digits.size() + 24);
    canonical.append(s.digits, first, std::string::npos);
    // The digits as an integer, then the scale: value = digits × 10^(exponent - fraction digits).
    const long long fractionDigits = static_cast<long long>(s.digits.size() - s.intDigits);
    const long long scale = s.exponent - fractionDigits;
    canonical.push_back('e');
    canonical += std::to_string(scale);

    double v = 0;
    const auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Decimal magnitude: the position of the leading significant digit.
        const long long magnitude = static_cast<long long>(s.digits.size() - first) + scale;
        if (magnitude > 0)
            return Outcome::Overflow;
        v = 0.0;
    } else if (ec != std::errc() || ptr != canonical.data() + canonical.size() || !std::isfinite(v)) {
        return Outcome::Overflow;
    }
    value = s.negative ? -v : v;
    return Outcome::Ok;
}

}  // namespace

bool IsNumber(std::string_view text, const NumberLocale& locale) {
    const auto scanned = Scan(text, locale);
    double v = 0;
    return scanned && ToDouble(*scanned, v) == Outcome::Ok;
}

double TextToDouble(std::string_view text, const NumberLocale& locale) {
    const auto scanned = Scan(text, locale);
    if (!scanned)
        throw AppError::TypeMismatch();
    double v = 0;
    if (ToDouble(*scanned, v) != Outcome::Ok)
        throw AppError::Overflow();
    return v;
}

float TextToSingle(std::string_view text, const NumberLocale& locale) {
    const double d = TextToDouble(text, locale);
    const auto f = static_cast<float>(d);
    if (std::isinf(f))
        throw AppError::Overflow();
    return f;
}

namespace {

// Just enough of an unsigned big integer for exact decimal rounding: little-endian 32-bit words.
using BigDigits = std::vector<std::uint32_t>;

void MultiplySmall(BigDigits& n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : n) {
        const std::uint64_t product = std::uint64_t(word) * factor + carry;
        word = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0)
        n.push_back(static_cast<std::uint32_t>(carry));
}

bool BitSet(const BigDigits& n, std::size_t bit) {
    const std::size_t word = bit / 32;
    return word < n.size() && ((n[word] >> (bit % 32)) & 1u) != 0;
}

bool AnyBitBelow(const BigDigits& n, std::size_t bit) {
    for (std::size_t i = 0; i < n.size() && i * 32 < bit; ++i) {
        const std::size_t inWord = bit - i * 32;
        const std::uint32_t mask = inWord >= 32 ? 0xFFFFFFFFu : ((1u << inWord) - 1u);
        if ((n[i] & mask) != 0)
            return true;
    }
    return false;
}

BigDigits ShiftRight(const BigDigits& n, std::size_t bits) {
    const std::size_t words = bits / 32;
    const unsigned rest = static_cast<unsigned>(bits % 32);
    BigDigits out;
    for (std::size_t i = words; i < n.size(); ++i) {
        std::uint64_t pair = n[i];
        if (i + 1 < n.size())
            pair |= std::uint64_t(n[i + 1]) << 32;
        out.push_back(static_cast<std::uint32_t>(pair >> rest));
    }
    while (!out.empty() && out.back() == 0)
        out.pop_back();
    return out;
}

void AddOne(BigDigits& n) {
    for (std::uint32_t& word : n) {
        if (++word != 0)
            return;
    }
    n.push_back(1);
}

std::string DecimalDigits(BigDigits n) {
    std::string out;
    while (!n.empty()) {
        std::uint64_t remainder = 0;
        for (std::size_t i = n.size(); i-- > 0;) {
            const std::uint64_t current = (remainder << 32) | n[i];
            n[i] = static_cast<std::uint32_t>(current / 1000000000u);
            remainder = current % 1000000000u;
        }
        while (!n.empty() && n.back() == 0)
            n.pop_back();
        for (int k = 0; k < 9 && (!n.empty() || remainder != 0); ++k) {
            out.push_back(static_cast<char>('0' + remainder % 10));
            remainder /= 10;
        }
    }
    if (out.empty())
        out.push_back('0');
    return {out.rbegin(), out.rend()};
}

}  // namespace

double RoundHalfEven(double value, std::int32_t digits) {
    if (!std::isfinite(value) || digits < 0 || value == 0.0)
        return value;
    // Scaling by 10^digits in doubles rounds first, which can make a tie of a value just off
    // one. Work on the exact value instead: |value| = m / 2^s, so value × 10^digits is
    // m × 5^digits / 2^(s - digits), an integer quotient and a remainder to compare with half.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    long long s = 53 - static_cast<long long>(exponent);
    while (s > 0 && (m & 1u) == 0) {
        m >>= 1;
        --s;
    }
    // A binary fraction with s bits has s decimals: nothing to round away.
    if (s <= digits)
        return value;

    BigDigits n{static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)};
    for (std::int32_t left = digits; left > 0; left -= 13) {
        std::uint32_t power = 1;
        for (std::int32_t k = 0; k < 13 && k < left; ++k)
            power *= 5;
        MultiplySmall(n, power);
    }
    const auto shift = static_cast<std::size_t>(s - digits);
    BigDigits quotient = ShiftRight(n, shift);
    const bool halfBit = BitSet(n, shift - 1);
    const bool belowHalf = AnyBitBelow(n, shift - 1);
    const bool odd = !quotient.empty() && (quotient[0] & 1u) != 0;
    if (halfBit && (belowHalf || odd))
        AddOne(quotient);

    // The nearest double to quotient / 10^digits.
    std::string text = DecimalDigits(quotient);
    text += "e-";
    text += std::to_string(digits);
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return value < 0 ? -rounded : rounded;
}

namespace {

std::string GroupInteger(std::string_view digits, const std::string& group) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out.push_back(digits[i]);
    }
    return out;
}

}  // namespace

std::string FormatPercent(double value, int decimals, const NumberLocale& locale) {
    const double percent = value * 100.0;
    if (!std::isfinite(percent))
        throw AppError::Overflow();
    char buf[400];
    const auto [ptr, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(percent), std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    if (ec != std::errc())
        throw AppError::Overflow();
    const std::string_view text(buf, static_cast<std::size_t>(ptr - buf));
    const std::size_t point = text.find('.');
    std::string out;
    const bool negative = std::signbit(percent) && text.find_first_not_of("0.") != std::string_view::npos;
    if (negative)
        out += locale.negativeSign;
    out += GroupInteger(text.substr(0, point), locale.groupSeparator);
    if (point != std::string_view::npos) {
        out += locale.decimalSeparator;
        out += text.substr(point + 1);
    }
    out += '%';
    return out;
}

std::string DoubleToText(double value, const NumberLocale& locale) {
    if (std::isnan(value) || std::isinf(value))
        throw AppError::Overflow();
    if (value == 0.0)
        return "0";
    // 15 significant digits: d.dddddddddddddde±x
    char buf[64];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    if (ec != std::errc())
        throw AppError::Overflow();
    const std::string_view text(buf, static_cast<std::size_t>(ptr - buf));
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos)) {
        if (IsDigit(c))
            digits.push_back(c);
    }
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? locale.negativeSign : std::string();
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += locale.decimalSeparator;
            out.append(digits, 1, std::string::npos);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int absExp = exponent < 0 ? -exponent : exponent;
        if (absExp < 10)
            out += '0';
        out += std::to_string(absExp);
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += locale.decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto intCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intCount) {
        out += digits;
        out.append(intCount - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, intCount);
    out += locale.decimalSeparator;
    out.append(digits, intCount, std::string::npos);
    return out;
}

}  // namespace pellucor
