// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "UnicodeDigits.h"

#include <algorithm>
#include <array>

namespace pellucor {

namespace {

// The zeros of all 66 decimal digit systems of Unicode 14.
constexpr std::array<char32_t, 66> Zeros{
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,  0x0C66,
    0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,
    0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,
    0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0,
    0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60,
    0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0};

// One well-formed UTF-8 sequence at pos, or length 0.
std::size_t DecodeAt(std::string_view text, std::size_t pos, char32_t& c) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const std::size_t left = text.size() - pos;
    const unsigned char b0 = byte(0);
    std::size_t length = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        c = b0 & 0x1Fu;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        c = b0 & 0x0Fu;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        c = b0 & 0x07u;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i) & 0x3Fu);
    }
    return length;
}

}  // namespace

DecodedDigit DecimalDigitAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return {};
    const char c0 = text[pos];
    if (c0 >= '0' && c0 <= '9')
        return {1, U'0', c0 - '0'};
    char32_t c = 0;
    const std::size_t length = DecodeAt(text, pos, c);
    if (length < 2)
        return {};
    const auto next = std::upper_bound(Zeros.begin(), Zeros.end(), c);
    if (next == Zeros.begin())
        return {};
    const char32_t zero = *(next - 1);
    if (c - zero >= 10)
        return {};
    return {length, zero, static_cast<int>(c - zero)};
}

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

std::string WithDigits(std::string_view ascii, char32_t zero) {
    if (zero == U'0')
        return std::string(ascii);
    std::string out;
    for (char c : ascii) {
        if (c >= '0' && c <= '9')
            out += Utf8(zero + static_cast<char32_t>(c - '0'));
        else
            out.push_back(c);
    }
    return out;
}

std::string WithoutMarks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeAt(text, pos, c);
        if (length < 2) {
            out.push_back(text[pos++]);
            continue;
        }
        const bool directionMark =
            c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        const bool fullWidthDigit = c >= 0xFF10 && c <= 0xFF19;
        if (c >= 0xFF01 && c <= 0xFF5E && !fullWidthDigit)
            out.push_back(static_cast<char>(c - 0xFEE0));
        else if (!directionMark)
            out.append(text.substr(pos, length));
        pos += length;
    }
    return out;
}

}  // namespace pellucor
