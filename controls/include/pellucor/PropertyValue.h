// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One entry of a property store: a number with the type it is stored as, or a text. Stores
// written by the component only ever hold numbers; texts come from data edited or produced
// elsewhere, and loading must cope with them.

#include "ControlsExport.h"

#include <cstdint>

#include <QString>

namespace pellucor {

enum class StoredType { Int16, Int32, Float32, Text };

// Doubles below this magnitude round to a finite float; the largest float, usually printed as
// 3.4028235e38, lies a little above FLT_MAX and still rounds to it.
inline constexpr double FloatRoundingLimit = 0x1.ffffffp+127;

class PELLUCOR_CONTROLS_EXPORT PropertyValue {
public:
    static PropertyValue Int16(std::int16_t value) { return {StoredType::Int16, static_cast<double>(value), {}}; }
    static PropertyValue Int32(std::int32_t value) { return {StoredType::Int32, static_cast<double>(value), {}}; }
    static PropertyValue Float32(float value) { return {StoredType::Float32, static_cast<double>(value), {}}; }
    static PropertyValue Text(QString value) { return {StoredType::Text, 0.0, std::move(value)}; }

    StoredType Type() const noexcept { return type_; }
    bool IsText() const noexcept { return type_ == StoredType::Text; }
    // Every stored number is exact in a double. 0 for a text.
    double Number() const noexcept { return number_; }
    const QString& TextValue() const noexcept { return text_; }

    // Conversions for loading. Fractions round half to even; a text is read as a plain decimal
    // number. A text that is no number throws "Type mismatch", a value out of the target's
    // range "Overflow".
    std::int32_t ToInt32() const;
    float ToFloat32() const;

    // Whether two values mean the same: numbers by value whatever their stored types (a float
    // 100 equals an integer 100), texts by their characters.
    bool SameValue(const PropertyValue& other) const noexcept;

    // Same stored type and same value.
    friend bool operator==(const PropertyValue& a, const PropertyValue& b) noexcept {
        return a.type_ == b.type_ && a.SameValue(b);
    }

private:
    PropertyValue(StoredType type, double number, QString text)
        : type_(type), number_(number), text_(std::move(text)) {}

    double NumberForConversion() const;

    StoredType type_;
    double number_;
    QString text_;
};

// "i16", "i32", "f32", "text": the type names of the serialised store.
PELLUCOR_CONTROLS_EXPORT const char* StoredTypeName(StoredType type) noexcept;

}  // namespace pellucor
