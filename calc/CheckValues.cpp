// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "AppError.h"
#include "CalculateCommand.h"
#include "modError.h"

#include <array>
#include <cmath>
#include <string>

namespace pellucor {

namespace {

const std::string LimitText = "100,000,000.";

struct FieldRule {
    Field field;
    double low;
    double high;
    bool absolute;  // the closing amount may be negative: its size is what is limited
    std::string numberMessage;
    std::string rangeMessage;
};

const std::array<FieldRule, 4>& Rules() {
    static const std::array<FieldRule, 4> rules{{
        {Field::NPV, 1.0, 100000000.0, false, "Please enter the correct Net Present Value (Net cash disbursement).",
         "Net Present Value must be between 1.00 to " + LimitText},
        {Field::Duration, 1.0, 1000.0, false, "Please enter correct duration (Number of Months).",
         "Loan duration (Number of Months, N) must be between 1 to 1000."},
        {Field::PMT, 0.0, 100000000.0, false, "Please enter the correct monthly payment amount (PMT).",
         "PMT must be between 0.00 to " + LimitText},
        {Field::ClosingCost, 0.0, 100000000.0, true,
         "Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).",
         "LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -" + LimitText + " to +" + LimitText},
    }};
    return rules;
}

}  // namespace

bool CheckValues(CalcWindow& window, const NumberLocale& locale) {
    PendingError pending;
    try {
        for (const FieldRule& rule : Rules()) {
            if (!IsNumber(window.Text(rule.field), locale)) {
                window.SelectField(rule.field, rule.numberMessage);
                return false;
            }
            // The range is tested on the very value the search will calculate with.
            double v = TextToDouble(window.Text(rule.field), locale);
            if (rule.absolute)
                v = std::fabs(v);
            if (!(v >= rule.low && v <= rule.high)) {
                window.SelectField(rule.field, rule.rangeMessage);
                return false;
            }
        }
        return true;
    } catch (...) {
        pending.CatchCurrent();
    }
    ReportError(window, pending, "CheckValues", true, "Problem in input processing.", true, 0);
    return false;
}

}  // namespace pellucor
