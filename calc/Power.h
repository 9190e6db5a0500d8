// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// x raised to the power y, from IEEE 754's basic operations alone (sums, products, quotients),
// so that it gives the same bits with every C library: the libraries' own power functions
// differ in the last bits, and the result line depends on them in rare cases. Computed in
// double-double precision and rounded once, it is within one unit in the last place of the
// true power and nearly always the correctly rounded value. Special cases and flags are the C
// standard's: an overflowing power raises the overflow flag, zero to a negative power divides
// by zero, and a negative base to a power that is not a whole number is an invalid operation.

namespace pellucor {

double Power(double x, double y);

}  // namespace pellucor
