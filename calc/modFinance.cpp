// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "modFinance.h"

#include "ArithmeticFaults.h"
#include "NumberRules.h"
#include "Power.h"

namespace pellucor {

double DiscountFactor(double rate, double periods, std::int32_t digits) {
    const double b = rate + 1.0;
    CheckArithmeticFaults();
    const double p = Power(b, periods);
    const double f = 1.0 / p;
    CheckArithmeticFaults();
    return digits < 0 ? f : RoundHalfEven(f, digits);
}

double AnnuityFactor(double rate, double periods, std::int32_t digits) {
    const double b = rate + 1.0;
    CheckArithmeticFaults();
    const double p = Power(b, periods);
    const double pInverse = 1.0 / p;
    const double q = 1.0 - pInverse;
    const double f = q / rate;
    CheckArithmeticFaults();
    return digits < 0 ? f : RoundHalfEven(f, digits);
}

}  // namespace pellucor
