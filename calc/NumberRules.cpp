// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "NumberRules.h"

#include "AppError.h"
#include "UnicodeDigits.h"

#include <algorithm>
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

// Swiss keyboards type the ASCII apostrophe for the typographic one the locale writes.
constexpr std::string_view Apostrophes[] = {"\u2019", "'"};

template <std::size_t N>
std::size_t AnyOfAt(std::string_view text, std::size_t pos, std::string_view separator,
                    const std::string_view (&family)[N]) {
    bool member = false;
    for (std::string_view s : family)
        member = member || separator == s;
    if (!member)
        return 0;
    for (std::string_view s : family) {
        if (StartsWith(text, pos, s))
            return s.size();
    }
    return 0;
}

std::size_t GroupSeparatorAt(std::string_view text, std::size_t pos, std::string_view separator) {
    if (separator.empty())
        return 0;
    if (const std::size_t n = AnyOfAt(text, pos, separator, SpaceSeparators))
        return n;
    if (const std::size_t n = AnyOfAt(text, pos, separator, Apostrophes))
        return n;
    return StartsWith(text, pos, separator) ? separator.size() : 0;
}

// Group lengths from the first to the last before the decimal separator: the last has
// `primary` digits, those between `secondary`, the first 1 to `secondary`.
bool GroupsFit(const std::vector<std::size_t>& groups, std::size_t primary, std::size_t secondary) {
    if (groups.back() != primary || groups.front() < 1 || groups.front() > secondary)
        return false;
    for (std::size_t i = 1; i + 1 < groups.size(); ++i) {
        if (groups[i] != secondary)
            return false;
    }
    return true;
}

// Keyboards in Arabic and Persian locales type the point for the locale's own decimal mark;
// the point is read as one only where the locale uses it for nothing else.
bool PointIsSecondDecimalMark(const NumberLocale& loc) {
    return loc.zeroDigit != U'0' && loc.decimalSeparator != "." && loc.groupSeparator != ".";
}

// The parsed shape of a number: its digits without separators, where the decimal point
// falls among them, and its exponent.
struct Scanned {
    bool negative = false;
    std::string digits;         // ASCII: integer digits then fraction digits
    std::size_t intDigits = 0;  // how many of `digits` stand before the decimal point
    long long exponent = 0;     // clamped: anything this large is out of range anyway
};

constexpr long long ExponentClamp = 100000;

std::optional<Scanned> Scan(std::string_view original, const NumberLocale& locale) {
    const std::string normal = WithoutMarks(original);
    std::string_view text = normal;
    std::size_t pos = 0;
    std::size_t end = text.size();
    for (std::size_t n; pos < end && (n = BlankAt(text, pos)) != 0;)
        pos += n;
    for (std::size_t n; end > pos && (n = BlankBefore(text.substr(0, end), end)) != 0;)
        end -= n;
    text = text.substr(0, end);

    const std::string negativeSign = WithoutMarks(locale.negativeSign);
    const std::string positiveSign = WithoutMarks(locale.positiveSign);
    Scanned out;
    // The longer sign first, so that a locale sign that begins with '-' is not cut short.
    for (std::string_view s : {std::string_view(negativeSign), std::string_view("-"), std::string_view("\u2212")}) {
        if (StartsWith(text, pos, s)) {
            pos += s.size();
            out.negative = true;
            break;
        }
    }
    if (!out.negative) {
        for (std::string_view s : {std::string_view(positiveSign), std::string_view("+")}) {
            if (StartsWith(text, pos, s)) {
                pos += s.size();
                break;
            }
        }
    }

    // One digit system per number: the first digit chooses it.
    char32_t system = 0;
    const auto digitAt = [&](std::size_t at, bool& foreign) {
        const DecodedDigit d = DecimalDigitAt(text, at);
        foreign = d.length != 0 && system != 0 && d.zero != system;
        if (d.length != 0 && !foreign)
            system = d.zero;
        return foreign ? DecodedDigit{} : d;
    };
    bool foreign = false;

    const std::string_view dec = locale.decimalSeparator;
    // A group separator equal to the decimal one could not be told apart: no grouping then.
    const std::string_view grp = locale.groupSeparator == locale.decimalSeparator
                                     ? std::string_view()
                                     : std::string_view(locale.groupSeparator);

    // Integer part: plain digits, or groups as the locale makes them or in threes.
    std::vector<std::size_t> groups{0};
    while (pos < text.size()) {
        if (const DecodedDigit d = digitAt(pos, foreign); d.length != 0) {
            out.digits.push_back(static_cast<char>('0' + d.value));
            ++groups.back();
            pos += d.length;
            continue;
        }
        if (foreign)
            return std::nullopt;
        if (const std::size_t n = GroupSeparatorAt(text, pos, grp)) {
            if (groups.back() == 0)
                return std::nullopt;
            groups.push_back(0);
            pos += n;
            continue;
        }
        break;
    }
    const bool grouped = groups.size() > 1;
    if (grouped) {
        const auto primary = static_cast<std::size_t>(std::max(1, locale.primaryGroup));
        const auto secondary = static_cast<std::size_t>(std::max(1, locale.secondaryGroup));
        if (!GroupsFit(groups, primary, secondary) && !GroupsFit(groups, 3, 3))
            return std::nullopt;
    }
    out.intDigits = out.digits.size();

    bool point = false;
    std::size_t markLength = StartsWith(text, pos, dec) ? dec.size() : 0;
    if (markLength == 0 && PointIsSecondDecimalMark(locale) && StartsWith(text, pos, ".")) {
        markLength = 1;
        point = true;
    }
    if (markLength != 0) {
        pos += markLength;
        for (DecodedDigit d; (d = digitAt(pos, foreign)).length != 0; pos += d.length)
            out.digits.push_back(static_cast<char>('0' + d.value));
        if (foreign)
            return std::nullopt;
    }
    if (out.digits.empty())
        return std::nullopt;
    // "1.500" might be fifteen hundred grouped by points, as many European locales write it.
    const std::size_t fractionDigits = out.digits.size() - out.intDigits;
    if (point && !grouped && out.intDigits >= 1 && out.intDigits <= 3 && fractionDigits == 3)
        return std::nullopt;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool expNegative = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            expNegative = text[pos++] == '-';
        DecodedDigit d = digitAt(pos, foreign);
        if (d.length == 0)
            return std::nullopt;
        long long e = 0;
        for (; d.length != 0; d = digitAt(pos, foreign)) {
            e = std::min(ExponentClamp, e * 10 + d.value);
            pos += d.length;
        }
        if (foreign)
            return std::nullopt;
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

std::string GroupInteger(std::string_view digits, const NumberLocale& locale) {
    const auto primary = static_cast<std::size_t>(std::max(1, locale.primaryGroup));
    const auto secondary = static_cast<std::size_t>(std::max(1, locale.secondaryGroup));
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t after = n - i;  // digits from here to the end
        if (i > 0 && after >= primary && (after - primary) % secondary == 0)
            out += locale.groupSeparator;
        out.push_back(digits[i]);
    }
    return out;
}

std::string DoubleToLatinText(double value, const NumberLocale& locale) {
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
    out += GroupInteger(text.substr(0, point), locale);
    if (point != std::string_view::npos) {
        out += locale.decimalSeparator;
        out += text.substr(point + 1);
    }
    out += locale.percentSign;
    // Separators and signs are UTF-8 sequences, whose bytes are never ASCII digits.
    return WithDigits(out, locale.zeroDigit);
}

std::string DoubleToText(double value, const NumberLocale& locale) {
    return WithDigits(DoubleToLatinText(value, locale), locale.zeroDigit);
}

}  // namespace pellucor
