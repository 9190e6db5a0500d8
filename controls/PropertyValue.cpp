#include "PropertyValue.h"

#include "AppError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace pellucor {

namespace {

// Plain decimal notation as a program writes it, independent of the user's locale: optional
// sign, digits, point, exponent, surrounding spaces.
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
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return false;
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
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw AppError::Overflow();
    return static_cast<float>(value);
}

bool PropertyValue::SameValue(const PropertyValue& other) const noexcept {
    if (IsText() || other.IsText())
        return IsText() && other.IsText() && text_ == other.text_;
    return number_ == other.number_;
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
