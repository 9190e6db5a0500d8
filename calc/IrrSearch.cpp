#include "IrrSearch.h"

#include "ArithmeticFaults.h"
#include "modFinance.h"

#include <cmath>

namespace pellucor {

IrrOutcome SearchIrrReference(const IrrInputs& in) {
    double bestDifference = in.npv;
    IrrOutcome out;
    const double periods = in.months;
    for (std::int32_t i = 1; i <= CandidateCount; ++i) {
        const float annual = CandidateRate(i);
        CheckArithmeticFaults();
        const double monthly = static_cast<double>(annual) / 12.0;
        CheckArithmeticFaults();
        const double af = AnnuityFactor(monthly, periods, -1);
        const double df = DiscountFactor(monthly, periods, -1);
        const double pv = af * in.payment + df * in.closing;
        CheckArithmeticFaults();
        const double d = std::fabs(in.npv - pv);
        CheckArithmeticFaults();
        if (d < bestDifference) {
            bestDifference = d;
            out.bestPresentValue = pv;
            out.bestRate = annual;
        }
        CheckArithmeticFaults();
    }
    return out;
}

IrrOutcome SearchIrr(const IrrInputs& in) {
    return SearchIrrReference(in);
}

std::string ResultLine(const IrrInputs& in, const IrrOutcome& out, const NumberLocale& locale) {
    const double ratio = std::fabs(in.npv - out.bestPresentValue) / in.npv;
    CheckArithmeticFaults();
    if (!(ratio < 0.1))
        return "IRR is out of range.";
    return "IRR = " + FormatPercent(out.bestRate, 3, locale) +
           ", when NPV = " + DoubleToText(RoundHalfEven(out.bestPresentValue, 3), locale);
}

}  // namespace pellucor
