// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "AppError.h"
#include "CalculateCommand.h"
#include "modError.h"

#include <cmath>
#include <string>

namespace pellucor {

namespace {

struct FieldRule {
    Field field;
    double low;
    double high;
    bool absolute;  // the closing amount may be negative: its size is what is limited
    const char* numberMessage;
    const char* rangeMessage;
};

// Whole sentences, figures included, so that each language writes the limits its own way.
constexpr FieldRule Rules[] = {
    {Field::NPV, 1.0, 100000000.0, false,
     QT_TRANSLATE_NOOP("Calculation", "Please enter the correct Net Present Value (Net cash disbursement)."),
     QT_TRANSLATE_NOOP("Calculation", "Net Present Value must be between 1.00 to 100,000,000.")},
    {Field::Duration, 1.0, 1000.0, false,
     QT_TRANSLATE_NOOP("Calculation", "Please enter correct duration (Number of Months)."),
     QT_TRANSLATE_NOOP("Calculation", "Loan duration (Number of Months, N) must be between 1 to 1000.")},
    {Field::PMT, 0.0, 100000000.0, false,
     QT_TRANSLATE_NOOP("Calculation", "Please enter the correct monthly payment amount (PMT)."),
     QT_TRANSLATE_NOOP("Calculation", "PMT must be between 0.00 to 100,000,000.")},
    {Field::ClosingCost, 0.0, 100000000.0, true,
     QT_TRANSLATE_NOOP("Calculation",
                       "Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan "
                       "Closing Fees)."),
     QT_TRANSLATE_NOOP("Calculation",
                       "LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to "
                       "+100,000,000.")},
};

}  // namespace

bool CheckValues(CalcWindow& window, const NumberLocale& locale) {
    PendingError pending;
    try {
        for (const FieldRule& rule : Rules) {
            if (!IsNumber(window.Text(rule.field), locale)) {
                window.SelectField(rule.field, window.Translate("Calculation", rule.numberMessage));
                return false;
            }
            // The range is tested on the very value the search will calculate with.
            double v = TextToDouble(window.Text(rule.field), locale);
            if (rule.absolute)
                v = std::fabs(v);
            if (!(v >= rule.low && v <= rule.high)) {
                window.SelectField(rule.field, window.Translate("Calculation", rule.rangeMessage));
                return false;
            }
        }
        return true;
    } catch (...) {
        pending.CatchCurrent();
    }
    ReportError(window, pending, "CheckValues", true, QT_TRANSLATE_NOOP("Calculation", "Problem in input processing."),
                true, 0);
    return false;
}

}  // namespace pellucor
