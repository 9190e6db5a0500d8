// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The Calculate command end to end against the recording window: the published rows, the
// busy-state order, and every way it can fail.

#include "CalculateCommand.h"
#include "FakeWindow.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <string>
#include <vector>

namespace pellucor {
namespace {

using testing::FakeWindow;

struct Row {
    std::string name;
    std::string npv;
    std::string n;
    std::string pmt;
    std::string closing;
    std::string expected;

    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

class PublishedRows : public ::testing::TestWithParam<Row> {};

TEST_P(PublishedRows, ResultFieldReadsExactly) {
    const Row& row = GetParam();
    FakeWindow w;
    w.SetInputs(row.npv, row.n, row.pmt, row.closing);
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.Result(), row.expected);
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.pointer, MousePointer::Default);
    EXPECT_EQ(w.focused, Field::Result);
}

std::vector<Row> PublishedTable() {
    std::vector<Row> rows;
    for (const auto& r : testing::ResultLines())
        rows.push_back({r.name, r.npv, r.n, r.pmt, r.closing, r.result});
    // Present values whose doubles lie just above and just below a rounding tie.
    rows.push_back({"PresentValueJustAboveTie", "81205230.1525", "1", "0", "81844247.64",
                    "IRR = 9.443%, when NPV = 81205230.153"});
    rows.push_back({"PresentValueJustBelowTie", "74521206.6715", "1", "0", "75111538.82",
                    "IRR = 9.506%, when NPV = 74521206.671"});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, PublishedRows, ::testing::ValuesIn(PublishedTable()),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CalculateCommand, CommaDecimalLocaleReadsAndWritesItsOwnSeparators) {
    FakeWindow w;
    w.SetInputs("60.000", "360", "617,17", "0");
    cmdCalculate_Click(w, NumberLocale::CommaDecimal());
    EXPECT_EQ(w.Result(), "IRR = 12,000%, when NPV = 60000,239");
}

TEST(CalculateCommand, BusyStateIsEnteredAndLeftInOrder) {
    FakeWindow w;
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    std::vector<std::string> ops;
    for (const auto& e : w.log) {
        if (e.rfind("Text ", 0) != 0)
            ops.push_back(e);
    }
    const std::vector<std::string> expected{
        "SetMousePointer 11",
        "SetText txtResult=C A L C U L A T I N G . . .",
        "Repaint",
        "SetEnabled 0",
        "SetText txtResult=" + testing::ResultLine("InitialInputs").result,
        "SetEnabled 1",
        "SetMousePointer 0",
        "SelectField txtResult",
    };
    EXPECT_EQ(ops, expected);
}

TEST(CalculateCommand, ConversionErrorShowsErrorAndOneReport) {
    // Validation would refuse this; call the calculation directly.
    FakeWindow w;
    w.texts[Field::PMT] = "abc";
    CalculateIRR(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.Result(), "E R R O R");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, "Type mismatch\r\n\r\nCould not calculate IRR.");
    EXPECT_EQ(w.boxes[0].style, 0);
    EXPECT_EQ(w.reports, std::vector<std::string>{"CalculateIRR"});
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.pointer, MousePointer::Default);
    EXPECT_EQ(w.focused, Field::Result);
}

// A language that reorders the result line and marks every other text it translated.
class TranslatingWindow : public FakeWindow {
public:
    std::string Translate(const char* context, const char* sourceText) const override {
        if (std::string(sourceText) == "IRR = %1, when NPV = %2")
            return "NPV %2 gives IRR %1";
        return std::string(context) + ":" + sourceText;
    }
};

TEST(CalculateCommand, EveryShownTextIsTranslatedBeforeItsFiguresAreFilledIn) {
    TranslatingWindow w;
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.Result(), "NPV 60000.239 gives IRR 12.000%");
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), "SetText txtResult=Calculation:C A L C U L A T I N G . . ."),
              w.log.end());

    w.texts[Field::Duration] = "0";
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, "Calculation:Loan duration (Number of Months, N) must be between 1 to 1000.");

    w.texts[Field::Duration] = "360";
    w.texts[Field::PMT] = "abc";
    CalculateIRR(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.Result(), "Calculation:E R R O R");
    ASSERT_EQ(w.boxes.size(), 2u);
    EXPECT_EQ(w.boxes[1].text, "Calculation:Type mismatch\r\n\r\nCalculation:Could not calculate IRR.");
}

struct FaultRow {
    const char* name;
    const char* npv;
    const char* n;
    const char* pmt;
    const char* closing;
    const char* description;

    friend void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }
};

class SearchFaults : public ::testing::TestWithParam<FaultRow> {};

TEST_P(SearchFaults, EndInErrorWithItsDescription) {
    const FaultRow& row = GetParam();
    FakeWindow w;
    w.SetInputs(row.npv, row.n, row.pmt, row.closing);
    CalculateIRR(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.Result(), "E R R O R");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, std::string(row.description) + "\r\n\r\nCould not calculate IRR.");
    EXPECT_EQ(w.reports, std::vector<std::string>{"CalculateIRR"});
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.pointer, MousePointer::Default);
}

INSTANTIATE_TEST_SUITE_P(Unvalidated, SearchFaults,
                         ::testing::Values(
                             // A million months overflows the power at the high candidates.
                             FaultRow{"PowerOverflow", "60000", "1000000", "617.17", "0", "Overflow"},
                             FaultRow{"MonthsBeyondSingle", "60000", "1e39", "617.17", "0", "Overflow"},
                             FaultRow{"NpvBeyondDouble", "1e400", "360", "617.17", "0", "Overflow"},
                             // inf - inf in the present value.
                             FaultRow{"InfinitePresentValue", "1", "1", "1e308", "1e308", "Overflow"},
                             FaultRow{"ZeroNpvRatio", "0", "12", "0", "0", "Invalid procedure call or argument"}),
                         [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

TEST(CalculateCommand, ValidationFailureRunsNoSearchAndKeepsTheResult) {
    FakeWindow w;
    w.texts[Field::Result] = "previous";
    w.texts[Field::Duration] = "0";
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.searchesSeen, 0);
    EXPECT_EQ(w.Result(), "previous");
    EXPECT_EQ(w.focused, Field::Duration);
    EXPECT_TRUE(w.reports.empty());
}

struct WindowFaultRow {
    const char* name;
    const char* failingOperation;
    int failures;  // how many times in a row it fails
    std::vector<std::string> reports;

    friend void PrintTo(const WindowFaultRow& row, std::ostream* os) { *os << row.name; }
};

class WindowFaults : public ::testing::TestWithParam<WindowFaultRow> {};

// However window operations fail during a calculation, the window ends enabled with the
// default pointer, and each failure is reported once by the procedure that handles it.
TEST_P(WindowFaults, LeaveTheWindowUsable) {
    const WindowFaultRow& row = GetParam();
    FakeWindow w;
    int seen = 0;
    w.failWhen = [&](const std::string& e) {
        if (e == row.failingOperation && ++seen <= row.failures)
            throw AppError(91, "Window operation failed");
    };
    cmdCalculate_Click(w, NumberLocale::PointDecimal());
    EXPECT_EQ(w.reports, row.reports);
    EXPECT_EQ(w.boxes.size(), row.reports.size());
    for (std::size_t i = 0; i < w.boxes.size(); ++i) {
        const char* message =
            w.reports[i] == "CheckValues" ? "Problem in input processing." : "Could not calculate IRR.";
        EXPECT_EQ(w.boxes[i].text, std::string("Window operation failed\r\n\r\n") + message);
    }
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.pointer, MousePointer::Default);
}

INSTANTIATE_TEST_SUITE_P(
    Calculation, WindowFaults,
    ::testing::Values(
        WindowFaultRow{"RepaintFails", "Repaint", 1, {"CalculateIRR"}},
        WindowFaultRow{"DisableFails", "SetEnabled 0", 1, {"CalculateIRR"}},
        WindowFaultRow{"ReadingAFieldFails", "Text txtPMT", 2, {"CheckValues"}},
        WindowFaultRow{"ResultFocusFailsOnce", "SelectField txtResult", 1, {"CalculateIRR"}},
        WindowFaultRow{"EnableFailsOnce", "SetEnabled 1", 1, {"CalculateIRR"}},
        WindowFaultRow{"EnableFailsWhileHandling", "SetEnabled 1", 2, {"CalculateIRR", "cmdCalculate_Click"}},
        WindowFaultRow{"PointerFailsWhileHandling", "SetMousePointer 0", 2, {"CalculateIRR", "cmdCalculate_Click"}}),
    [](const ::testing::TestParamInfo<WindowFaultRow>& info) { return std::string(info.param.name); });

TEST(CalculateCommand, ErrorFieldFailingWhileHandlingReachesTheClickHandler) {
    FakeWindow w;
    w.texts[Field::PMT] = "abc";
    w.failWhen = [](const std::string& e) {
        if (e == "SetText txtResult=E R R O R")
            throw AppError(91, "Window operation failed");
    };
    EXPECT_THROW(CalculateIRR(w, NumberLocale::PointDecimal()), AppError);
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.pointer, MousePointer::Default);
}

}  // namespace
}  // namespace pellucor
