// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Present-value factors of a level-payment loan at a periodic rate. Both check the arithmetic
// fault flags and raise the fault as an error; a negative `digits` returns the factor
// unrounded.

#include <cstdint>

namespace pellucor {

// 1 / (1 + rate) ^ periods
double DiscountFactor(double rate, double periods, std::int32_t digits);

// (1 - 1 / (1 + rate) ^ periods) / rate; a zero rate is 0 / 0, an arithmetic fault.
double AnnuityFactor(double rate, double periods, std::int32_t digits);

}  // namespace pellucor
