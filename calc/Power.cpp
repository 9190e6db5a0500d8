// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "Power.h"

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pellucor {

namespace {

// Double-double numbers: hi + lo with |lo| at most half a unit in the last place of hi. Every
// step is an error-free transformation or a basic operation, so the result does not depend on
// the platform as long as doubles are rounded to nearest (SSE2; no x87, no fused multiply-add).
struct DD {
    double hi;
    double lo;
};

DD TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Needs |a| >= |b| or a == 0.
DD FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

DD TwoProd(double a, double b) {
    // Dekker's split; the callers keep |a|, |b| below 2^900, so the scaling cannot overflow.
    constexpr double Splitter = 134217729.0;  // 2^27 + 1
    const double ca = Splitter * a;
    const double ah = ca - (ca - a);
    const double al = a - ah;
    const double cb = Splitter * b;
    const double bh = cb - (cb - b);
    const double bl = b - bh;
    const double p = a * b;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD Add(DD a, DD b) {
    DD s = TwoSum(a.hi, b.hi);
    const DD t = TwoSum(a.lo, b.lo);
    s = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(s.hi, s.lo + t.lo);
}

DD Mul(DD a, DD b) {
    const DD p = TwoProd(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

DD Mul(DD a, double b) {
    const DD p = TwoProd(a.hi, b);
    return FastTwoSum(p.hi, p.lo + a.lo * b);
}

DD Div(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    DD r = Add(a, Mul(b, -q1));
    const double q2 = r.hi / b.hi;
    r = Add(r, Mul(b, -q2));
    const double q3 = r.hi / b.hi;
    return Add(FastTwoSum(q1, q2), DD{q3, 0.0});
}

DD Neg(DD a) {
    return {-a.hi, -a.lo};
}

// log(a) for a in [0.5, 2], to full double-double precision by the series of 2 atanh(t), with
// t = (a - 1) / (a + 1). Slow; used only to fill the tables.
DD SlowLog(double a) {
    const DD t = Div(DD{a - 1.0, 0.0}, TwoSum(a, 1.0));
    const DD t2 = Mul(t, t);
    DD sum{0.0, 0.0};
    DD power = t;
    for (int n = 1; n < 200; n += 2) {
        sum = Add(sum, Div(power, DD{static_cast<double>(n), 0.0}));
        power = Mul(power, t2);
        if ((power.hi < 0 ? -power.hi : power.hi) < 0x1p-120)
            break;
    }
    return {2.0 * sum.hi, 2.0 * sum.lo};
}

// exp(x) for |x| <= 1 by its series. Slow; used only to fill the tables.
DD SlowExp(DD x) {
    DD sum{1.0, 0.0};
    DD term{1.0, 0.0};
    for (int n = 1; n < 60; ++n) {
        term = Div(Mul(term, x), DD{static_cast<double>(n), 0.0});
        sum = Add(sum, term);
        if ((term.hi < 0 ? -term.hi : term.hi) < 0x1p-120)
            break;
    }
    return sum;
}

constexpr int TableBits = 8;
constexpr int TableSize = 1 << TableBits;

// The mantissa m in [1, 2) is split by its leading bits into TableSize intervals; in interval j
// m * inverse[j] is within 2^-9 of 1, and log(1 / inverse[j]) is stored. For m >= 1.5 the stored
// logarithm has ln 2 taken off (and the exponent gets 1 added), so that values just below 1 do
// not lose their digits to cancellation.
struct Tables {
    DD ln2;
    DD ln2OverSize;  // ln 2 / TableSize
    double ln2OverSizeHi;  // its leading 34 bits
    double ln2OverSizeLo;  // the rest
    double sizeOverLn2;
    double inverse[TableSize];
    DD logOfCentre[TableSize];
    DD exp2[TableSize];  // 2^(j / TableSize)

    Tables() {
        ln2 = SlowLog(2.0);
        ln2OverSize = {ln2.hi / TableSize, ln2.lo / TableSize};
        sizeOverLn2 = TableSize / ln2.hi;
        ln2OverSizeHi = std::bit_cast<double>(std::bit_cast<std::uint64_t>(ln2OverSize.hi) & ~((1ULL << 19) - 1));
        ln2OverSizeLo = (ln2OverSize.hi - ln2OverSizeHi) + ln2OverSize.lo;
        for (int j = 0; j < TableSize; ++j) {
            inverse[j] = 1.0 / (1.0 + (j + 0.5) / TableSize);
            logOfCentre[j] = Neg(SlowLog(inverse[j]));
            if (j >= TableSize / 2)
                logOfCentre[j] = Add(logOfCentre[j], Neg(ln2));
            exp2[j] = SlowExp(Mul(ln2OverSize, static_cast<double>(j)));
        }
    }
};

const Tables& TheTables() {
    static const Tables tables;
    return tables;
}

// log(x) for finite x > 0.
DD Log(double x, const Tables& t) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    int exponent = static_cast<int>(bits >> 52) - 1023;
    if ((bits >> 52) == 0) {  // subnormal
        bits = std::bit_cast<std::uint64_t>(x * 0x1p64);
        exponent = static_cast<int>(bits >> 52) - 1023 - 64;
    }
    const double m = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFULL) | 0x3FF0000000000000ULL);
    const int j = static_cast<int>((bits >> (52 - TableBits)) & (TableSize - 1));
    if (j >= TableSize / 2)
        ++exponent;

    // r = m * inverse - 1 exactly; the product is within 2^-9 of 1, so the subtraction is exact.
    const DD p = TwoProd(m, t.inverse[j]);
    const DD r = TwoSum(p.hi - 1.0, p.lo);

    // log(1 + r) = r - r^2 / 2 + r^3 P(r); |r| < 2^-8.9, so the terms left out are below 2^-80.
    // The coefficients are constants so that they are not divided out at run time.
    constexpr double C3 = 1.0 / 3, C4 = -1.0 / 4, C5 = 1.0 / 5, C6 = -1.0 / 6, C7 = 1.0 / 7, C8 = -1.0 / 8,
                     C9 = 1.0 / 9;
    const double h = r.hi;
    const double h2 = h * h;
    const double tail = h2 * h * ((C3 + h * C4) + h2 * ((C5 + h * C6) + h2 * (C7 + h * C8 + h2 * C9)));
    const DD square = TwoProd(h, h);
    const DD sum = TwoSum(h, -0.5 * square.hi);
    const DD log1p = FastTwoSum(sum.hi, sum.lo + ((r.lo - 0.5 * square.lo - h * r.lo) + tail));

    const DD log = Add(t.logOfCentre[j], log1p);
    if (exponent == 0)
        return log;
    return Add(Mul(t.ln2, static_cast<double>(exponent)), log);
}

double Overflow() {
    volatile double huge = 0x1p1000;
    return huge * huge;
}

double Underflow() {
    volatile double tiny = 0x1p-1000;
    return tiny * tiny;
}

// exp(z) rounded to double, for a finite z.
double Exp(DD z, const Tables& t) {
    if (z.hi > 709.8)
        return Overflow();
    if (z.hi < -746.0)
        return Underflow();
    // n = round(z * TableSize / ln 2); adding and taking off 1.5 * 2^52 rounds to a whole number.
    constexpr double Shifter = 0x1.8p52;
    const double nf = (z.hi * t.sizeOverLn2 + Shifter) - Shifter;
    const auto n = static_cast<std::int64_t>(nf);
    // |n| < 2^19 and ln2OverSizeHi has 34 bits, so n * ln2OverSizeHi is exact, and so is its
    // difference from z.hi, which it nearly equals.
    const DD r = FastTwoSum(z.hi - nf * t.ln2OverSizeHi, z.lo - nf * t.ln2OverSizeLo);  // |r| <= ln 2 / 512 and a little

    // exp(r) - 1 = r + r^2 / 2 + ...; terms beyond r^6 / 6! are below 2^-78.
    constexpr double E2 = 1.0 / 2, E3 = 1.0 / 6, E4 = 1.0 / 24, E5 = 1.0 / 120, E6 = 1.0 / 720;
    const double h = r.hi;
    const double h2 = h * h;
    const double tail = h2 * ((E2 + h * E3) + h2 * ((E4 + h * E5) + h2 * E6)) + h * r.lo;
    const DD expm1 = FastTwoSum(h, r.lo + tail);

    // base * (1 + expm1), rounded once.
    const DD& base = t.exp2[n & (TableSize - 1)];
    const DD product = TwoProd(base.hi, expm1.hi);
    const DD sum = TwoSum(base.hi, product.hi);
    const double value = sum.hi + (sum.lo + (product.lo + base.lo + (base.hi * expm1.lo + base.lo * expm1.hi)));

    // Scaled by 2^(n / TableSize) in two exact steps; only the last can overflow or go subnormal.
    const std::int64_t e = n >> TableBits;  // floor division
    const std::int64_t e1 = e / 2;
    const std::int64_t e2 = e - e1;
    const double s1 = std::bit_cast<double>(static_cast<std::uint64_t>(e1 + 1023) << 52);
    const double s2 = std::bit_cast<double>(static_cast<std::uint64_t>(e2 + 1023) << 52);
    return value * s1 * s2;
}

bool IsWhole(double y) {
    if (y >= 0x1p53 || y <= -0x1p53)
        return true;
    return static_cast<double>(static_cast<std::int64_t>(y)) == y;
}

bool IsOddWhole(double y) {
    if (y >= 0x1p53 || y <= -0x1p53)
        return false;
    const auto i = static_cast<std::int64_t>(y);
    return static_cast<double>(i) == y && (i & 1) != 0;
}

double Magnitude(double v) {
    return v < 0 ? -v : v;
}

// The search takes each candidate's power twice, once in each factor, with the same arguments.
// The last finite, non-zero power of a positive base is kept (per thread) with its rounding
// mode and given again; such a power raises no fault flag, so giving it again without
// computing it changes nothing.
struct LastPower {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    int roundingMode = 0;
    double result = 0;
};

thread_local LastPower lastPower;

}  // namespace

double Power(double x, double y) {
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    if (y == 0.0 || x == 1.0)
        return 1.0;
    if (x != x || y != y)
        return x + y;
    const bool oddWhole = IsOddWhole(y);
    if (x == 0.0) {
        if (y < 0) {
            volatile double zero = 0.0;
            const double inf = 1.0 / zero;  // division by zero
            return oddWhole && std::signbit(x) ? -inf : inf;
        }
        return oddWhole ? x : 0.0;
    }
    const double ax = Magnitude(x);
    if (Magnitude(y) == Infinity) {
        if (ax == 1.0)
            return 1.0;
        return (ax > 1.0) == (y > 0) ? Infinity : 0.0;
    }
    if (ax == Infinity) {
        const double magnitude = y > 0 ? Infinity : 0.0;
        return x < 0 && oddWhole ? -magnitude : magnitude;
    }
    bool negate = false;
    if (x < 0) {
        if (!IsWhole(y)) {
            volatile double zero = 0.0;
            return zero / zero;  // invalid operation
        }
        negate = oddWhole;
    }
    const std::uint64_t xBits = std::bit_cast<std::uint64_t>(x);
    const std::uint64_t yBits = std::bit_cast<std::uint64_t>(y);
    const int roundingMode = std::fegetround();
    if (xBits == lastPower.x && yBits == lastPower.y && roundingMode == lastPower.roundingMode &&
        lastPower.result != 0.0)
        return lastPower.result;
    double result;
    if (Magnitude(y) >= 0x1p64) {
        // |log x| is at least 2^-53 for x other than 1, so the power is beyond the double range.
        result = (ax > 1.0) == (y > 0) ? Overflow() : Underflow();
    } else {
        const Tables& t = TheTables();
        const DD logX = Log(ax, t);
        const DD p = TwoProd(y, logX.hi);
        result = Exp(FastTwoSum(p.hi, p.lo + y * logX.lo), t);
    }
    if (x > 0 && result != 0.0 && Magnitude(result) != Infinity)
        lastPower = {xBits, yBits, roundingMode, result};
    return negate ? -result : result;
}

}  // namespace pellucor
