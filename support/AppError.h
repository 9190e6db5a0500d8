// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The error a failing operation raises: a 32-bit number and a description. Descriptions are
// English source texts of the "Calculation" context, translated where they are shown. A procedure that
// traps errors catches it into a PendingError and hands that to ReportError.

#include <cstdint>
#include <stdexcept>
#include <string>

// Marks a text for Qt's lupdate; Qt's own definition is the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pellucor {

namespace ErrorNumber {
constexpr std::int32_t None = 0;
constexpr std::int32_t InvalidCall = 5;
constexpr std::int32_t Overflow = 6;
constexpr std::int32_t OutOfMemory = 7;
constexpr std::int32_t DivisionByZero = 11;
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t Internal = 51;
constexpr std::int32_t InvalidPropertyValue = 380;
constexpr std::int32_t PropertyNotSettableAtRunTime = 382;
// The progress bar's own rejections.
constexpr std::int32_t ResolutionBelowMinusOne = 3316;
constexpr std::int32_t MaxNotPositive = 3317;
}  // namespace ErrorNumber

// Libraries built with hidden symbols throw it to their callers, so its type information
// stays visible for their catch clauses.
#if defined(__GNUC__)
#define PELLUCOR_VISIBLE_TYPE __attribute__((visibility("default")))
#else
#define PELLUCOR_VISIBLE_TYPE
#endif

class PELLUCOR_VISIBLE_TYPE AppError : public std::runtime_error {
public:
    AppError(std::int32_t number, const std::string& description) : std::runtime_error(description), number_(number) {}

    std::int32_t Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

    static AppError InvalidCall() {
        return {ErrorNumber::InvalidCall, QT_TRANSLATE_NOOP("Calculation", "Invalid procedure call or argument")};
    }
    static AppError Overflow() { return {ErrorNumber::Overflow, QT_TRANSLATE_NOOP("Calculation", "Overflow")}; }
    static AppError OutOfMemory() {
        return {ErrorNumber::OutOfMemory, QT_TRANSLATE_NOOP("Calculation", "Out of memory")};
    }
    static AppError DivisionByZero() {
        return {ErrorNumber::DivisionByZero, QT_TRANSLATE_NOOP("Calculation", "Division by zero")};
    }
    static AppError TypeMismatch() {
        return {ErrorNumber::TypeMismatch, QT_TRANSLATE_NOOP("Calculation", "Type mismatch")};
    }
    static AppError InvalidPropertyValue() {
        return {ErrorNumber::InvalidPropertyValue, QT_TRANSLATE_NOOP("Calculation", "Invalid property value")};
    }
    static AppError PropertyNotSettableAtRunTime() {
        return {ErrorNumber::PropertyNotSettableAtRunTime,
                QT_TRANSLATE_NOOP("Calculation", "Property cannot be set at run time")};
    }

private:
    std::int32_t number_;
};

// The record of the error a procedure's trap caught; number 0 means none is pending.
struct PendingError {
    std::int32_t Number = ErrorNumber::None;
    std::string Description;

    bool IsPending() const noexcept { return Number != ErrorNumber::None; }
    void Clear() noexcept {
        Number = ErrorNumber::None;
        Description.clear();
    }
    void Set(std::int32_t number, std::string description) {
        Number = number;
        Description = std::move(description);
    }

    // Call only from inside a catch block: records whatever is being handled. Anything that
    // is not an AppError is given a number of its own so that it still reads as an error.
    void CatchCurrent() noexcept;
};

}  // namespace pellucor
