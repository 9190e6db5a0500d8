// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "CalculateCommand.h"

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "IrrSearch.h"
#include "modError.h"

namespace pellucor {

const char* FieldName(Field field) {
    switch (field) {
        case Field::NPV: return "txtNPV";
        case Field::Duration: return "txtDuration";
        case Field::PMT: return "txtPMT";
        case Field::ClosingCost: return "txtClosingCost";
        case Field::Result: return "txtResult";
    }
    return "";
}

namespace {

// Last line of defence: should the restoring steps themselves fail twice over, the window
// must still not be left disabled or under the hourglass.
class BusyStateGuard {
public:
    explicit BusyStateGuard(CalcWindow& window) : window_(window) {}
    BusyStateGuard(const BusyStateGuard&) = delete;
    BusyStateGuard& operator=(const BusyStateGuard&) = delete;
    ~BusyStateGuard() {
        if (!armed_)
            return;
        try {
            window_.SetEnabled(true);
        } catch (...) {
        }
        try {
            window_.SetMousePointer(MousePointer::Default);
        } catch (...) {
        }
    }
    void Disarm() { armed_ = false; }

private:
    CalcWindow& window_;
    bool armed_ = true;
};

}  // namespace

void CalculateIRR(CalcWindow& window, const NumberLocale& locale) {
    PendingError pending;
    BusyStateGuard guard(window);
    try {
        IrrInputs in;
        in.npv = TextToDouble(window.Text(Field::NPV), locale);
        in.months = TextToSingle(window.Text(Field::Duration), locale);
        in.payment = TextToDouble(window.Text(Field::PMT), locale);
        in.closing = TextToDouble(window.Text(Field::ClosingCost), locale);

        window.SetMousePointer(MousePointer::Hourglass);
        window.SetText(Field::Result, window.Translate("Calculation", BusyText));
        window.Repaint();
        window.SetEnabled(false);

        ClearArithmeticFaults();
        const IrrOutcome out = SearchIrr(in);
        window.SetText(Field::Result, ResultLine(in, out, locale, window));
    } catch (...) {
        pending.CatchCurrent();
    }

    // The restoring steps. A first failure in them is handled like one in the search; a
    // failure while handling one goes to the caller.
    bool handling = false;
    for (;;) {
        try {
            if (pending.IsPending()) {
                handling = true;
                window.SetText(Field::Result, window.Translate("Calculation", ErrorText));
                ReportError(window, pending, "CalculateIRR", true, CalculateFailedMessage, true, 0);
            }
            window.SetEnabled(true);
            window.SetMousePointer(MousePointer::Default);
            window.SelectField(Field::Result, "");
            break;
        } catch (...) {
            if (handling)
                throw;
            pending.CatchCurrent();
        }
    }
    ClearArithmeticFaults();
    guard.Disarm();
}

void cmdCalculate_Click(CalcWindow& window, const NumberLocale& locale) {
    PendingError pending;
    try {
        if (!CheckValues(window, locale))
            return;
        CalculateIRR(window, locale);
    } catch (...) {
        pending.CatchCurrent();
    }
    ReportError(window, pending, "cmdCalculate_Click", true, CalculateFailedMessage, true, 0);
}

}  // namespace pellucor
