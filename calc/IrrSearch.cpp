// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "IrrSearch.h"

#include "ArithmeticFaults.h"
#include "Power.h"
#include "modFinance.h"

#include <cfenv>
#include <cmath>
#include <limits>

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

namespace {

// Most candidates cannot be the winner, and bounds on their present values can show it
// without calling the power routine for them. The range is cut into blocks whose ends are
// evaluated exactly; a block the bounds cannot rule out is halved around an exactly evaluated
// middle, down to a few candidates that are simply evaluated. Usually fewer than a hundred
// candidates are evaluated, most of them around the rate that hits NPV.
constexpr std::int32_t BlockSize = 16384;
constexpr std::int32_t BlockCount = (CandidateCount - 1 + BlockSize - 1) / BlockSize;
constexpr std::int32_t LeafSize = 8;

constexpr std::int32_t BlockStart(std::int32_t block) {
    return block < BlockCount ? 1 + block * BlockSize : CandidateCount;
}

// The power routine's error relative to the true power, with a wide allowance: it stays within
// one unit in the last place.
constexpr double PowerSlack = 4e-14;

// Powers outside this range could overflow, or reach zero and divide by it; such inputs go
// to the reference loop, which raises exactly what it raises.
constexpr double SafePowerLow = 1e-300;
constexpr double SafePowerHigh = 1e300;

struct Candidate {
    std::int32_t index;
    float annual;
    double monthly;
    double power;
    double presentValue;
    double difference;
};

// The reference loop's operations in its order, for one candidate; the power is shared by
// both factors, which compute it from the same argument.
inline Candidate Evaluate(std::int32_t i, const IrrInputs& in, double periods) {
    Candidate c;
    c.index = i;
    c.annual = CandidateRate(i);
    c.monthly = static_cast<double>(c.annual) / 12.0;
    const double b = c.monthly + 1.0;
    c.power = Power(b, periods);
    const double pInverse = 1.0 / c.power;
    const double q = 1.0 - pInverse;
    const double af = q / c.monthly;
    const double df = 1.0 / c.power;
    c.presentValue = af * in.payment + df * in.closing;
    c.difference = std::fabs(in.npv - c.presentValue);
    return c;
}

// The corners above pair the highest q with the lowest m, which do not go together: where m
// varies by a large share of itself, as over the low rates, the factor's bounds come out far
// wider than its values. The exact factor (1 - (1 + m)^-N) / m falls as m rises (for N > 0,
// 1 - (1 + m)^-N is concave and 0 at m = 0), and the computed one stays close to it: with x
// the rounded 1 / p, X = b^-N and X' = (1 + m)^-N, |x - X'| <= X (PowerSlack + (N + 1) u) since
// b = fl(1 + m), and the two rounded steps add 2u of the factor. So every candidate between
// the ends lies between the ends' own factors, widened twice by that noise (largest at the
// lowest m), and the result intersects the corners' bounds. The margins also cover the
// rounding of the widening itself.
void NarrowAnnuityFactor(const Candidate& first, const Candidate& last, double periods, double dfHigh,
                         double& afLow, double& afHigh) {
    constexpr double Unit = 0x1p-53;
    const double afMax = std::fmax(std::fabs(afLow), std::fabs(afHigh));
    const double noise =
        (dfHigh * (PowerSlack + (periods + 4) * Unit) / first.monthly + 6 * Unit * afMax + 1e-300) * (1 + 1e-9);
    const double afFirst = (1.0 - 1.0 / first.power) / first.monthly;
    const double afLast = (1.0 - 1.0 / last.power) / last.monthly;
    afLow = std::fmax(afLow, afLast - 2 * noise);
    afHigh = std::fmin(afHigh, afFirst + 2 * noise);
}

// Over one month the two terms of the present value nearly cancel when the payment and the
// closing amount do: af is 1 / (1 + m) up to rounding, like df, so pv = (PMT + closing) * df
// plus noise. Bounding the two terms apart, as above, loses that and leaves an interval as
// wide as the payment; this bounds the noise instead. With x = df = fl(1 / p), p within
// PowerSlack of b = fl(1 + m), |1 - (1 + m) x| <= PowerSlack + 3u, so the computed af differs
// from x by at most (PowerSlack + 6u) / m; each product, the sum and PMT + closing itself add
// at most u of their magnitudes. The result intersects [pvLow, pvHigh]; both enclose every
// candidate's computed present value, so their intersection does.
void NarrowOneMonth(const Candidate& first, double afMax, double dfLow, double dfHigh, const IrrInputs& in,
                    double& pvLow, double& pvHigh) {
    constexpr double Unit = 0x1p-53;
    const double sum = in.payment + in.closing;
    const double sumLow = sum * dfLow;
    const double sumHigh = sum * dfHigh;
    const double magnitude =
        std::fabs(in.payment) * afMax + std::fabs(in.closing) * dfHigh + std::fabs(sum) * dfHigh;
    // first has the lowest monthly rate of the interval, so the largest 1 / m. The last factor
    // covers the rounding of this bound itself; the absolute term covers underflow.
    const double noise =
        (std::fabs(in.payment) * (PowerSlack + 8 * Unit) / first.monthly + 8 * Unit * magnitude + 1e-300) *
        (1 + 1e-9);
    pvLow = std::fmax(pvLow, std::fmin(sumLow, sumHigh) - noise);
    pvHigh = std::fmin(pvHigh, std::fmax(sumLow, sumHigh) + noise);
}

// Where the payment and the closing amount pull against each other the present value can
// turn inside a range, and bounds from its ends' factors stay as wide as either term moves,
// though the sum barely does. This bounds the sum by its curvature instead. With f(m) =
// PMT A(m) + closing D(m) in exact arithmetic, D = (1 + m)^-N and A = (1 - D) / m =
// integral over s in [0, 1] of N (1 + s m)^-(N+1), every f(x) in [a, b] lies within
// (b - a)^2 / 8 max|f''| of the chord, so within that of the ends' f. D'' = N (N + 1)
// (1 + m)^-(N+2) <= N (N + 1) D(a); A'' = N (N + 1) (N + 2) times the integral of s^2
// (1 + s m)^-(N+3), which is at most 1/3, and at most 2 / k^3 with k = (N + 3) a / (1 + a)
// <= (N + 3) ln(1 + a) <= (N + 3) ln(1 + s m) / s. A computed present value differs from f
// by at most E: p = (1 + m)^N (1 + t) with |t| <= PowerSlack + 1.01 N u (b = fl(1 + m)), so
// df = D (1 + e) with |e| <= PowerSlack + (N + 4) u, af = A (1 + 2u) - D e / m, and the
// products and the sum add u of each magnitude. The ends and the candidate each carry E.
void NarrowByCurvature(const Candidate& first, const Candidate& last, const IrrInputs& in, double& pvLow,
                       double& pvHigh) {
    constexpr double Unit = 0x1p-53;
    const double n = in.months;
    const double a = first.monthly;
    const double dMax = std::fmin(1.0, first.power > 0 ? 1.0 / first.power * (1 + 1e-6) : 1.0);
    const double e = (PowerSlack + (n + 4) * Unit) * (1 + 1e-6);
    const double aMax = std::fmin(n, ((1.0 - 1.0 / first.power) / a + 2 * dMax * e / a) * (1 + 1e-6));
    const double pmt = std::fabs(in.payment);
    const double closing = std::fabs(in.closing);
    const double noise = pmt * dMax * e / a + closing * dMax * e + 6 * Unit * (pmt * aMax + closing * dMax) + 1e-300;
    const double k = (n + 3) * a / (1 + a) * (1 - 1e-9);
    const double integral = std::fmin(1.0 / 3, 2 / (k * k * k));
    const double curvature = pmt * n * (n + 1) * (n + 2) * integral + closing * n * (n + 1) * dMax;
    const double width = last.monthly - first.monthly;
    const double chordGap = width * width / 8 * curvature;
    const double high = std::fmax(first.presentValue, last.presentValue);
    const double low = std::fmin(first.presentValue, last.presentValue);
    // The last terms cover the rounding of the bounds themselves.
    const double spread = (2 * noise + chordGap) * (1 + 1e-9) + 1e-300;
    pvHigh = std::fmin(pvHigh, high + (spread + 4 * Unit * std::fabs(high)));
    pvLow = std::fmax(pvLow, low - (spread + 4 * Unit * std::fabs(low)));
}

// The smallest |NPV - pv| for pv in [pvLow, pvHigh]; NPV - pv falls as pv rises.
double Closest(double npv, double pvLow, double pvHigh) {
    const double below = npv - pvHigh;
    const double above = npv - pvLow;
    if (below > 0)
        return below;
    if (above < 0)
        return -above;
    return 0.0;
}

// The smallest difference any candidate strictly between first and last can have, or a lower
// bound on it that already exceeds beat or reaches limit. The true power is monotonic in the
// rate; the computed one is within PowerSlack of it; every later step is a rounded operation,
// and rounding is monotonic, so applying the same operations to the ends of each interval
// bounds what the candidates compute. Negative when the bounds leave the safe range.
double LowestDifference(const Candidate& first, const Candidate& last, const IrrInputs& in, double beat,
                        double limit) {
    const double pLow = std::fmin(first.power, last.power) * (1.0 - PowerSlack);
    const double pHigh = std::fmax(first.power, last.power) * (1.0 + PowerSlack);
    if (!(pLow >= SafePowerLow && pHigh <= SafePowerHigh))
        return -1.0;
    // p' = 1 / p falls as p rises, and q = 1 - p' rises as p' falls.
    const double qLow = 1.0 - 1.0 / pLow;
    const double qHigh = 1.0 - 1.0 / pHigh;
    // q / m rises with q; with m it moves one way or the other by the sign of q.
    const double corners[4] = {qLow / first.monthly, qLow / last.monthly, qHigh / first.monthly, qHigh / last.monthly};
    double afLow = corners[0];
    double afHigh = corners[0];
    for (double v : corners) {
        afLow = std::fmin(afLow, v);
        afHigh = std::fmax(afHigh, v);
    }
    const double dfLow = 1.0 / pHigh;
    const double dfHigh = 1.0 / pLow;
    if (in.months > 0.0f && in.months <= 10000.0f)
        NarrowAnnuityFactor(first, last, in.months, dfHigh, afLow, afHigh);
    const double paymentA = afLow * in.payment;
    const double paymentB = afHigh * in.payment;
    const double closingA = dfLow * in.closing;
    const double closingB = dfHigh * in.closing;
    double pvLow = std::fmin(paymentA, paymentB) + std::fmin(closingA, closingB);
    double pvHigh = std::fmax(paymentA, paymentB) + std::fmax(closingA, closingB);
    if (in.months == 1.0f)
        NarrowOneMonth(first, std::fmax(std::fabs(afLow), std::fabs(afHigh)), dfLow, dfHigh, in, pvLow, pvHigh);
    const double lowest = Closest(in.npv, pvLow, pvHigh);
    // The curvature bound costs a few divisions, which only ranges still in doubt pay, and
    // only where the present value can turn: with both amounts of one sign it is monotonic,
    // and the bounds above follow it closely.
    const bool opposed = (in.payment > 0 && in.closing < 0) || (in.payment < 0 && in.closing > 0);
    if (lowest > beat || lowest >= limit || !opposed || !(in.months >= 1.0f && in.months <= 10000.0f))
        return lowest;
    NarrowByCurvature(first, last, in, pvLow, pvHigh);
    return Closest(in.npv, pvLow, pvHigh);
}

// A difference from which on a candidate could only give "IRR is out of range.": d >= T
// makes the real d / NPV at least 0.1 (T is 0.1 * NPV rounded, then one step up), so the
// rounded ratio is at least the double 0.1 too. Whichever candidate wins among such, the
// line is the same; one that could show in the line has a smaller difference. With NPV below 1
// the ratio itself could overflow for one candidate and not another, so nothing is left out
// on these grounds there.
double OutOfRangeDifference(double npv) {
    if (!(npv >= 1.0))
        return std::numeric_limits<double>::infinity();
    return std::nextafter(0.1 * npv, std::numeric_limits<double>::infinity());
}

class PrunedSearch {
public:
    PrunedSearch(const IrrInputs& in)
        : in_(in), periods_(in.months), best_(in.npv), bound_(in.npv), outOfRange_(OutOfRangeDifference(in.npv)) {}

    // False when some block's bounds left the safe range; the outcome is then incomplete.
    bool Run() {
        Candidate ends[BlockCount + 1];
        for (std::int32_t k = 0; k <= BlockCount; ++k)
            ends[k] = Exact(BlockStart(k));
        // Ascending order, so that of equal differences the lowest rate still wins.
        Offer(ends[0]);
        for (std::int32_t k = 0; safe_ && k < BlockCount; ++k) {
            Refine(ends[k], ends[k + 1]);
            Offer(ends[k + 1]);
        }
        return safe_;
    }

    const IrrOutcome& Outcome() const { return outcome_; }

private:
    Candidate Exact(std::int32_t i) {
        const Candidate c = Evaluate(i, in_, periods_);
        bound_ = std::fmin(bound_, c.difference);
        return c;
    }

    void Offer(const Candidate& c) {
        if (c.difference < best_) {
            best_ = c.difference;
            outcome_.bestPresentValue = c.presentValue;
            outcome_.bestRate = c.annual;
        }
    }

    // Offers, in ascending order, every candidate strictly between first and last that the
    // bounds cannot rule out. The bound is the smallest exact difference seen so far (or NPV):
    // a candidate above it cannot win, and one at or above NPV is never taken. A candidate at
    // or above outOfRange_ cannot change the line: if the winner shows in it, the winner is
    // closer; if not, the line reads out of range whichever candidate wins.
    void Refine(const Candidate& first, const Candidate& last) {
        if (!safe_ || last.index - first.index < 2)
            return;
        const double limit = std::fmin(in_.npv, outOfRange_);
        const double lowest = LowestDifference(first, last, in_, bound_, limit);
        if (lowest < 0) {
            safe_ = false;
            return;
        }
        if (lowest > bound_ || lowest >= limit)
            return;
        if (last.index - first.index <= LeafSize) {
            for (std::int32_t i = first.index + 1; i < last.index; ++i)
                Offer(Exact(i));
            return;
        }
        const Candidate middle = Exact(first.index + (last.index - first.index) / 2);
        Refine(first, middle);
        Offer(middle);
        Refine(middle, last);
    }

    const IrrInputs& in_;
    const double periods_;
    double best_;
    double bound_;
    const double outOfRange_;
    IrrOutcome outcome_;
    bool safe_ = true;
};

}  // namespace

IrrOutcome SearchIrr(const IrrInputs& in) {
    if (ArithmeticFaultRaised() || std::fegetround() != FE_TONEAREST || !std::isfinite(in.npv) ||
        !std::isfinite(in.months) || !std::isfinite(in.payment) || !std::isfinite(in.closing))
        return SearchIrrReference(in);
    PrunedSearch search(in);
    const bool safe = search.Run();

    // The flags are sticky, so one test covers every step above. A fault, or a block whose
    // bounds could not rule one out, is left to the reference loop, from the flags it would
    // have started with (none raised), so that it stops where it would and raises what it
    // would. Cleared rather than restored: mingw-w64's fesetexceptflag unmasks the exceptions it
    // restores, and the next fault would then trap.
    if (!safe || ArithmeticFaultRaised()) {
        ClearArithmeticFaults();
        return SearchIrrReference(in);
    }
    return search.Outcome();
}

std::string ResultLine(const IrrInputs& in, const IrrOutcome& out, const NumberLocale& locale,
                       const Translator& texts) {
    const double ratio = std::fabs(in.npv - out.bestPresentValue) / in.npv;
    CheckArithmeticFaults();
    if (!(ratio < 0.1))
        return texts.Translate("Calculation", QT_TRANSLATE_NOOP("Calculation", "IRR is out of range."));
    const std::string rate = FormatPercent(out.bestRate, 3, locale);
    const std::string value = DoubleToText(RoundHalfEven(out.bestPresentValue, 3), locale);
    //: %1 is the rate with its percent sign, %2 the present value it gives.
    return FillIn(texts.Translate("Calculation", QT_TRANSLATE_NOOP("Calculation", "IRR = %1, when NPV = %2")),
                  {rate, value});
}

}  // namespace pellucor
