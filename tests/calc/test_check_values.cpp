// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Validation of the four inputs: order, messages, limits and locales.

#include "CalculateCommand.h"
#include "FakeWindow.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace pellucor {
namespace {

using testing::FakeWindow;

const std::string& NpvNumber = testing::ValidationMessage("NpvNumber");
const std::string& NpvRange = testing::ValidationMessage("NpvRange");
const std::string& DurationNumber = testing::ValidationMessage("DurationNumber");
const std::string& DurationRange = testing::ValidationMessage("DurationRange");
const std::string& PmtNumber = testing::ValidationMessage("PmtNumber");
const std::string& PmtRange = testing::ValidationMessage("PmtRange");
const std::string& ClosingNumber = testing::ValidationMessage("ClosingNumber");
const std::string& ClosingRange = testing::ValidationMessage("ClosingRange");

struct CheckRow {
    const char* name;
    Field field;
    const char* text;
    const std::string* message;  // nullptr: passes
    bool commaLocale = false;

    friend void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }
};

class Validation : public ::testing::TestWithParam<CheckRow> {};

TEST_P(Validation, RefusesWithTheFieldsMessage) {
    const CheckRow& r = GetParam();
    FakeWindow w;
    w.texts[r.field] = r.text;
    if (r.commaLocale)
        w.SetInputs(r.field == Field::NPV ? r.text : "60000", "360", "617,17", "0");
    const bool ok = CheckValues(w, r.commaLocale ? NumberLocale::CommaDecimal() : NumberLocale::PointDecimal());
    if (r.message == nullptr) {
        EXPECT_TRUE(ok);
        EXPECT_TRUE(w.boxes.empty());
        return;
    }
    EXPECT_FALSE(ok);
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, *r.message);
    EXPECT_EQ(w.focused, r.field);
    EXPECT_TRUE(w.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Validation,
    ::testing::Values(
        CheckRow{"InitialPass", Field::NPV, "60000", nullptr}, CheckRow{"NpvLowLimit", Field::NPV, "1", nullptr},
        CheckRow{"NpvHighLimit", Field::NPV, "100000000", nullptr}, CheckRow{"NpvBelow", Field::NPV, "0.99", &NpvRange},
        CheckRow{"NpvAbove", Field::NPV, "100000000.01", &NpvRange}, CheckRow{"NpvEmpty", Field::NPV, "", &NpvNumber},
        CheckRow{"NpvLetters", Field::NPV, "abc", &NpvNumber},
        CheckRow{"NpvTrailingLetters", Field::NPV, "12abc", &NpvNumber},
        CheckRow{"NpvBlanksAround", Field::NPV, " 60000 ", nullptr},
        CheckRow{"NpvExponent", Field::NPV, "1e3", nullptr}, CheckRow{"NpvGrouped", Field::NPV, "60,000", nullptr},
        CheckRow{"NpvGroupedAboveLimit", Field::NPV, "100,000,001", &NpvRange},
        // Other digit systems are range-tested on their own value, not on a Latin-only reading.
        CheckRow{"NpvPersianHighLimit", Field::NPV, "\u06F1\u06F0\u06F0\u06F0\u06F0\u06F0\u06F0\u06F0\u06F0", nullptr},
        CheckRow{"NpvArabicIndicAbove", Field::NPV, "\u0661\u0660\u0660\u0660\u0660\u0660\u0660\u0660\u0661",
                 &NpvRange},
        CheckRow{"NpvCommaHalf", Field::NPV, "0,5", &NpvRange, true},
        CheckRow{"DurationLowLimit", Field::Duration, "1", nullptr},
        CheckRow{"DurationHighLimit", Field::Duration, "1000", nullptr},
        CheckRow{"DurationFraction", Field::Duration, "360.5", nullptr},
        CheckRow{"DurationBelow", Field::Duration, "0.99", &DurationRange},
        CheckRow{"DurationAbove", Field::Duration, "1000.5", &DurationRange},
        CheckRow{"DurationMillionGrouped", Field::Duration, "1,000,000", &DurationRange},
        CheckRow{"DurationBadGroup", Field::Duration, "1,0", &DurationNumber},
        CheckRow{"DurationBeyondSingle", Field::Duration, "1e39", &DurationRange},
        CheckRow{"PmtZero", Field::PMT, "0", nullptr}, CheckRow{"PmtHighLimit", Field::PMT, "100000000", nullptr},
        CheckRow{"PmtNegative", Field::PMT, "-0.01", &PmtRange}, CheckRow{"PmtLetters", Field::PMT, "x", &PmtNumber},
        CheckRow{"ClosingLowLimit", Field::ClosingCost, "-100000000", nullptr},
        CheckRow{"ClosingHighLimit", Field::ClosingCost, "100000000", nullptr},
        CheckRow{"ClosingBelow", Field::ClosingCost, "-100000000.5", &ClosingRange},
        CheckRow{"ClosingAbove", Field::ClosingCost, "100000001", &ClosingRange},
        CheckRow{"ClosingEmpty", Field::ClosingCost, "", &ClosingNumber},
        CheckRow{"ClosingBeyondDouble", Field::ClosingCost, "1e400", &ClosingNumber}),
    [](const ::testing::TestParamInfo<CheckRow>& info) { return std::string(info.param.name); });

TEST(Validation, FirstFailureWinsAndLaterFieldsAreNotRead) {
    FakeWindow w;
    w.SetInputs("abc", "0", "617.17", "0");
    EXPECT_FALSE(CheckValues(w, NumberLocale::PointDecimal()));
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, NpvNumber);
    EXPECT_EQ(w.focused, Field::NPV);
    for (const auto& e : w.log)
        EXPECT_EQ(e.find("txtDuration"), std::string::npos) << e;
}

TEST(Validation, PointDecimalPaymentUnderCommaLocaleIsRefusedNotMultiplied) {
    FakeWindow w;
    w.SetInputs("60000", "360", "617.17", "0");
    EXPECT_FALSE(CheckValues(w, NumberLocale::CommaDecimal()));
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, PmtNumber);
}

TEST(Validation, FailureInsideTheChecksIsReportedOnce) {
    FakeWindow w;
    w.failWhen = [](const std::string& e) {
        if (e == "Text txtDuration")
            throw AppError(91, "Object variable not set");
    };
    EXPECT_FALSE(CheckValues(w, NumberLocale::PointDecimal()));
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, "Object variable not set\r\n\r\nProblem in input processing.");
    EXPECT_EQ(w.reports, std::vector<std::string>{"CheckValues"});
}

}  // namespace
}  // namespace pellucor
