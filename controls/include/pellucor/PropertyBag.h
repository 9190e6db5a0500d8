// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The property store a form keeps for each control it places: keyed entries in the order they
// were written, each with its stored type. A control writes its entries when the form is saved
// and reads them back when the form is loaded; an entry equal to its default is never stored.
//
// Serialised form (UTF-8 JSON), version 1:
//
//   {
//     "version": 1,
//     "properties": [
//       { "key": "ForeColor", "type": "i32", "value": -2147483628 },
//       { "key": "Value", "type": "f32", "value": 37.5 }
//     ]
//   }
//
// - "properties" is an array so that the order of the entries survives a round trip.
// - "type" is one of "i16" (16-bit integer), "i32" (32-bit integer), "f32" (32-bit float) and
//   "text" (a string). Integers must be whole and within their type's range. An "f32" value
//   is a number that rounds to a finite float (rounded on loading), or one of the strings
//   "Infinity", "-Infinity", "NaN" and "-0", which JSON numbers cannot carry. A "text" value
//   must be a JSON string.
// - Keys are non-empty and unique; keys and texts are whole characters (no lone surrogate).
//   No other members are allowed, at either level.
// - Colours are stored as their 32-bit pattern read as a signed integer, so 0x80000012
//   appears as -2147483630.

#include "ControlsExport.h"
#include "PropertyValue.h"

#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pellucor {

class PELLUCOR_CONTROLS_EXPORT PropertyBag {
public:
    // The stored entry, or the default when the key is absent.
    PropertyValue ReadProperty(const QString& key, const PropertyValue& defaultValue) const;

    // Stores the value, or removes the key when the value equals the default, so that loading
    // gives the default back (0 and -0 differ). A key written again keeps its place.
    void WriteProperty(const QString& key, const PropertyValue& value, const PropertyValue& defaultValue);
    // Stores the value whatever it is. A key or text the store could not load back (an empty
    // key, a lone surrogate) throws AppError 5 and changes nothing.
    void WriteProperty(const QString& key, const PropertyValue& value);

    std::optional<PropertyValue> Find(const QString& key) const;
    QStringList Keys() const;
    bool IsEmpty() const noexcept { return entries_.empty(); }
    void Clear() noexcept { entries_.clear(); }

    QByteArray Save() const;
    // Replaces the contents with the serialised store. Malformed data is refused as a whole:
    // the bag keeps what it held, and the error (naming the entry's key where there is one)
    // goes to errorMessage.
    bool Load(const QByteArray& data, QString* errorMessage = nullptr);

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

private:
    std::vector<std::pair<QString, PropertyValue>> entries_;
};

}  // namespace pellucor
