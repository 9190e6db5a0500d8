// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "PropertyBag.h"

#include "AppError.h"

#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

namespace pellucor {

namespace {

constexpr int FormatVersion = 1;

// JSON has no numbers for these; a Max of infinity is still a value a setter admits.
const QString PositiveInfinity = QStringLiteral("Infinity");
const QString NegativeInfinity = QStringLiteral("-Infinity");
const QString NotANumber = QStringLiteral("NaN");
// Nor for a negative zero: the reader turns "-0" into 0.
const QString NegativeZero = QStringLiteral("-0");

// A text JSON keeps exactly: UTF-8 has no form for a lone surrogate.
bool Storable(const QString& text) { return text.isValidUtf16(); }

QJsonValue ToJson(const PropertyValue& value) {
    if (value.IsText())
        return value.TextValue();
    const double number = value.Number();
    if (std::isnan(number))
        return NotANumber;
    if (std::isinf(number))
        return number > 0 ? PositiveInfinity : NegativeInfinity;
    if (number == 0.0 && std::signbit(number))
        return NegativeZero;
    return number;
}

std::optional<float> NonFiniteFromJson(const QJsonValue& json) {
    const QString text = json.toString();
    if (text == PositiveInfinity)
        return std::numeric_limits<float>::infinity();
    if (text == NegativeInfinity)
        return -std::numeric_limits<float>::infinity();
    if (text == NotANumber)
        return std::numeric_limits<float>::quiet_NaN();
    if (text == NegativeZero)
        return -0.0f;
    return std::nullopt;
}

std::optional<StoredType> TypeFromName(const QString& name) {
    for (StoredType type : {StoredType::Int16, StoredType::Int32, StoredType::Float32, StoredType::Text}) {
        if (name == QLatin1String(StoredTypeName(type)))
            return type;
    }
    return std::nullopt;
}

bool WholeIn(double value, double low, double high) {
    return std::isfinite(value) && std::trunc(value) == value && value >= low && value <= high;
}

// The entry's value, or an explanation of what is wrong with it.
std::optional<PropertyValue> ValueFromJson(StoredType type, const QJsonValue& json, QString& problem) {
    if (type == StoredType::Text) {
        if (json.isString() && Storable(json.toString()))
            return PropertyValue::Text(json.toString());
        problem = QStringLiteral("a \"text\" value must be a string of whole characters");
        return std::nullopt;
    }
    if (type == StoredType::Float32 && json.isString()) {
        if (auto special = NonFiniteFromJson(json))
            return PropertyValue::Float32(*special);
    }
    if (!json.isDouble()) {
        problem = QStringLiteral("the value must be a number");
        return std::nullopt;
    }
    const double number = json.toDouble();
    switch (type) {
    case StoredType::Int16:
        if (WholeIn(number, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()))
            return PropertyValue::Int16(static_cast<std::int16_t>(number));
        problem = QStringLiteral("an \"i16\" value must be a whole number from -32768 to 32767");
        return std::nullopt;
    case StoredType::Int32:
        if (WholeIn(number, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()))
            return PropertyValue::Int32(static_cast<std::int32_t>(number));
        problem = QStringLiteral("an \"i32\" value must be a whole number from -2147483648 to 2147483647");
        return std::nullopt;
    case StoredType::Float32:
        if (std::fabs(number) < FloatRoundingLimit)
            return PropertyValue::Float32(static_cast<float>(number));
        problem = QStringLiteral("an \"f32\" value must be a number within the float range, \"Infinity\", \"-Infinity\", \"NaN\" or \"-0\"");
        return std::nullopt;
    case StoredType::Text: break;
    }
    problem = QStringLiteral("unknown type");
    return std::nullopt;
}

bool Fail(QString* errorMessage, const QString& text) {
    if (errorMessage)
        *errorMessage = text;
    return false;
}

QString EntryName(qsizetype index, const QString& key) {
    if (key.isEmpty())
        return QStringLiteral("Property entry %1").arg(index + 1);
    return QStringLiteral("Property \"%1\" (entry %2)").arg(key).arg(index + 1);
}

}  // namespace

PropertyValue PropertyBag::ReadProperty(const QString& key, const PropertyValue& defaultValue) const {
    if (auto found = Find(key))
        return *found;
    return defaultValue;
}

void PropertyBag::WriteProperty(const QString& key, const PropertyValue& value, const PropertyValue& defaultValue) {
    if (value.SameValue(defaultValue) && !key.isEmpty() && Storable(key)) {
        std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
        return;
    }
    WriteProperty(key, value);
}

void PropertyBag::WriteProperty(const QString& key, const PropertyValue& value) {
    // Refused here rather than found unreadable when the store is loaded again.
    if (key.isEmpty() || !Storable(key) || (value.IsText() && !Storable(value.TextValue())))
        throw AppError::InvalidCall();
    for (auto& entry : entries_) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

std::optional<PropertyValue> PropertyBag::Find(const QString& key) const {
    for (const auto& entry : entries_) {
        if (entry.first == key)
            return entry.second;
    }
    return std::nullopt;
}

QStringList PropertyBag::Keys() const {
    QStringList keys;
    for (const auto& entry : entries_)
        keys.append(entry.first);
    return keys;
}

QByteArray PropertyBag::Save() const {
    QJsonArray properties;
    for (const auto& [key, value] : entries_) {
        QJsonObject entry;
        entry.insert(QStringLiteral("key"), key);
        entry.insert(QStringLiteral("type"), QLatin1String(StoredTypeName(value.Type())));
        entry.insert(QStringLiteral("value"), ToJson(value));
        properties.append(entry);
    }
    QJsonObject root;
    root.insert(QStringLiteral("version"), FormatVersion);
    root.insert(QStringLiteral("properties"), properties);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool PropertyBag::Load(const QByteArray& data, QString* errorMessage) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return Fail(errorMessage, QStringLiteral("The property store is not valid JSON: %1 at offset %2")
                                      .arg(parseError.errorString())
                                      .arg(parseError.offset));
    }
    if (!document.isObject())
        return Fail(errorMessage, QStringLiteral("The property store must be a JSON object"));
    const QJsonObject root = document.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (it.key() != QLatin1String("version") && it.key() != QLatin1String("properties"))
            return Fail(errorMessage, QStringLiteral("The property store has an unknown member \"%1\"").arg(it.key()));
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != FormatVersion) {
        return Fail(errorMessage,
                    QStringLiteral("The property store must have \"version\": %1").arg(FormatVersion));
    }
    const QJsonValue properties = root.value(QStringLiteral("properties"));
    if (!properties.isArray())
        return Fail(errorMessage, QStringLiteral("The property store must have a \"properties\" array"));

    std::vector<std::pair<QString, PropertyValue>> loaded;
    QSet<QString> seen;
    const QJsonArray entries = properties.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonValue entryValue = entries.at(i);
        if (!entryValue.isObject())
            return Fail(errorMessage, EntryName(i, {}) + QStringLiteral(": must be a JSON object"));
        const QJsonObject entry = entryValue.toObject();
        const QJsonValue keyValue = entry.value(QStringLiteral("key"));
        if (!keyValue.isString() || keyValue.toString().isEmpty() || !Storable(keyValue.toString()))
            return Fail(errorMessage, EntryName(i, {}) + QStringLiteral(": \"key\" must be a non-empty string of whole characters"));
        const QString key = keyValue.toString();
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (it.key() != QLatin1String("key") && it.key() != QLatin1String("type") &&
                it.key() != QLatin1String("value")) {
                return Fail(errorMessage, EntryName(i, key) + QStringLiteral(": unknown member \"%1\"").arg(it.key()));
            }
        }
        if (seen.contains(key))
            return Fail(errorMessage, EntryName(i, key) + QStringLiteral(": the key appears more than once"));
        seen.insert(key);
        const auto type = TypeFromName(entry.value(QStringLiteral("type")).toString());
        if (!type) {
            return Fail(errorMessage,
                        EntryName(i, key) + QStringLiteral(": \"type\" must be \"i16\", \"i32\", \"f32\" or \"text\""));
        }
        if (!entry.contains(QStringLiteral("value")))
            return Fail(errorMessage, EntryName(i, key) + QStringLiteral(": \"value\" is missing"));
        QString problem;
        auto value = ValueFromJson(*type, entry.value(QStringLiteral("value")), problem);
        if (!value)
            return Fail(errorMessage, EntryName(i, key) + QStringLiteral(": ") + problem);
        loaded.emplace_back(key, std::move(*value));
    }
    entries_ = std::move(loaded);
    return true;
}

}  // namespace pellucor
