// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "PropertyValue.h"

#include "AppError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace pellucor {

namespace {

// For a text that is a number outside the double range: whether its magnitude is above that
// range (rather than below it). The text is known to be a valid decimal number.
bool AboveDoubleRange(std::string_view digits) {
    if (!digits.empty() && digits.front() == '-')
        digits.remove_prefix(1);
    long long magnitude = 0;  // decimal exponent of the first significant digit, plus one
    bool significant = false, afterPoint = false;
    std::size_t i = 0;
    for (; i < digits.size() && digits[i] != 'e' && digits[i] != 'E'; ++i) {
        const char c = digits[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!significant && c == '0') {
            if (afterPoint)
                --magnitude;
        } else {
            significant = true;
            if (!afterPoint)
                ++magnitude;
        }
    }
    long long exponent = 0;
    if (i < digits.size()) {
        std::string_view rest = digits.substr(i + 1);
        bool negative = false;
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            negative = rest.front() == '-';
            rest.remove_prefix(1);
        }
        for (char c : rest)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent > 0;
}

// Plain decimal notation as a program writes it, independent of the user's locale: optional
// sign, digits, point, exponent, surrounding spaces. A number too large for a double throws
// "Overflow", like one too large for the target; one too small reads as zero.
bool ParseDecimal(const QString& text, double& out) {
    const std::string s = text.trimmed().toStdString();
    std::string_view digits = s;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-')
            return false;
    }
    if (digits.empty())
        return false;
    double value = 0.0;
    const char* last = digits.data() + digits.size();
    const auto [end, ec] = std::from_chars(digits.data(), last, value, std::chars_format::general);
    if (end != last)
        return false;
    if (ec == std::errc::result_out_of_range) {
        if (AboveDoubleRange(digits))
            throw AppError::Overflow();
        value = digits.front() == '-' ? -0.0 : 0.0;
    } else if (ec != std::errc() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace

double PropertyValue::NumberForConversion() const {
    if (type_ != StoredType::Text)
        return number_;
    double value = 0.0;
    if (!ParseDecimal(text_, value))
        throw AppError::TypeMismatch();
    return value;
}

std::int32_t PropertyValue::ToInt32() const {
    const double rounded = std::nearbyint(NumberForConversion());
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw AppError::Overflow();
    return static_cast<std::int32_t>(rounded);
}

float PropertyValue::ToFloat32() const {
    // A stored float is already one, infinities included.
    if (type_ == StoredType::Float32)
        return static_cast<float>(number_);
    const double value = NumberForConversion();
    if (!(std::fabs(value) < FloatRoundingLimit))
        throw AppError::Overflow();
    return static_cast<float>(value);
}

bool PropertyValue::SameValue(const PropertyValue& other) const noexcept {
    if (IsText() || other.IsText())
        return IsText() && other.IsText() && text_ == other.text_;
    // -0 is a value of its own: a store that dropped it as equal to a default of 0 would give 0 back.
    return number_ == other.number_ && std::signbit(number_) == std::signbit(other.number_);
}

const char* StoredTypeName(StoredType type) noexcept {
    switch (type) {
    case StoredType::Int16: return "i16";
    case StoredType::Int32: return "i32";
    case StoredType::Float32: return "f32";
    case StoredType::Text: return "text";
    }
    return "text";
}

}  // namespace pellucor
