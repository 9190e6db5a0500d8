// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The fast search against the straightforward loop: same result line, same error and the same
// fault flags left behind, and wherever the line shows the candidate, the same candidate and
// present value to the bit; on generated loans, the published rows and inputs that fault.

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "GeneratedLoans.h"
#include "IrrSearch.h"

#include <gtest/gtest.h>

#include <ostream>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace pellucor {
namespace {

using Search = IrrOutcome (*)(const IrrInputs&);

std::string Hex(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

std::string Describe(const IrrInputs& in) {
    return "npv=" + Hex(in.npv) + " n=" + Hex(in.months) + " pmt=" + Hex(in.payment) + " closing=" + Hex(in.closing);
}

// Everything a caller can see of one search and the line written from it, as one text so a
// mismatch prints both sides. Under an out-of-range line the candidate is not shown, so only
// the line, the flags and any error count there.
std::string Observe(Search search, const IrrInputs& in, int raisedBefore = 0) {
    ClearArithmeticFaults();
    if (raisedBefore != 0)
        std::feraiseexcept(raisedBefore);
    std::string seen;
    try {
        const IrrOutcome out = search(in);
        const std::string candidate =
            "rate=" + std::to_string(std::bit_cast<std::uint32_t>(out.bestRate)) + " pv=" + Hex(out.bestPresentValue);
        seen = " flags=" + std::to_string(std::fetestexcept(ArithmeticFaultFlags));
        try {
            const std::string line = ResultLine(in, out, NumberLocale::PointDecimal());
            seen = (line == "IRR is out of range." ? std::string("out of range") : candidate) + seen + " line=" + line;
        } catch (const AppError& e) {
            seen = candidate + seen + " line raised " + std::to_string(e.Number()) + " " + e.Description();
        }
    } catch (const AppError& e) {
        seen = "raised " + std::to_string(e.Number()) + " " + e.Description() +
               " flags=" + std::to_string(std::fetestexcept(ArithmeticFaultFlags));
    }
    ClearArithmeticFaults();
    return seen;
}

void ExpectSameAsReference(const IrrInputs& in, int raisedBefore = 0) {
    EXPECT_EQ(Observe(SearchIrr, in, raisedBefore), Observe(SearchIrrReference, in, raisedBefore)) << Describe(in);
}

using testing::Draw;

constexpr int ShardCount = 16;
constexpr int SetsPerShard = 650;

class GeneratedInputs : public ::testing::TestWithParam<int> {};

TEST_P(GeneratedInputs, MatchTheReference) {
    Draw draw(0x5eedULL + static_cast<std::uint64_t>(GetParam()));
    int mismatches = 0;
    for (int k = 0; k < SetsPerShard && mismatches < 5; ++k) {
        const IrrInputs in = testing::MixedLoan(draw, k);
        const std::string fast = Observe(SearchIrr, in);
        const std::string reference = Observe(SearchIrrReference, in);
        if (fast != reference) {
            ++mismatches;
            ADD_FAILURE() << "set " << k << ": " << Describe(in) << "\n  fast:      " << fast
                          << "\n  reference: " << reference;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, GeneratedInputs, ::testing::Range(0, ShardCount));

// Far outside what validation admits: durations in the tens of thousands either way and
// amounts up to the top of the double range, so powers and present values overflow and
// underflow at all sorts of candidates.
TEST(SearchEquivalence, WildInputsFaultAtTheSameCandidate) {
    Draw draw(0xfa17ULL);
    for (int k = 0; k < 300; ++k) {
        IrrInputs in;
        in.npv = draw.Sign() * draw.LogUniform(1e-3, 1.7e308);
        in.months = static_cast<float>(draw.Sign() * draw.LogUniform(1e-3, 1e5));
        in.payment = draw.Chance(0.2) ? 0.0 : draw.Sign() * draw.LogUniform(1e-300, 1.7e308);
        in.closing = draw.Chance(0.2) ? 0.0 : draw.Sign() * draw.LogUniform(1e-300, 1.7e308);
        ExpectSameAsReference(in);
    }
}

struct Case {
    const char* name;
    IrrInputs in;

    // Without it GoogleTest prints the raw bytes, padding after the float included, which
    // memcheck rightly reports as uninitialised.
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

class PublishedRowsSearch : public ::testing::TestWithParam<Case> {};

TEST_P(PublishedRowsSearch, MatchTheReference) {
    ExpectSameAsReference(GetParam().in);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PublishedRowsSearch,
    ::testing::Values(
        Case{"InitialInputs", {60000, 360, 617.17, 0}}, Case{"NegativeClosing", {60000, 360, 617.17, -10000}},
        Case{"PositiveClosing", {60000, 360, 617.17, 10000}}, Case{"FractionalMonths", {60000, 360.5f, 617.17, 0}},
        Case{"SingleMonthBalloon", {60000, 1, 0, 60600}}, Case{"BalloonOnly", {50000, 120, 0, 100000}},
        Case{"ZeroInterest", {12000, 12, 1000, 0}}, Case{"NegativeRateWithinTolerance", {1300, 12, 100, 0}},
        Case{"NegativeRateBeyondTolerance", {1334, 12, 100, 0}}, Case{"TopCandidate", {740, 12, 100, 0}},
        Case{"RateAboveTopWithinTolerance", {700, 12, 100, 0}}, Case{"RateAboveTopBeyondTolerance", {667, 12, 100, 0}},
        Case{"PaymentTooSmall", {60000, 360, 100, 0}}, Case{"NothingPaidBack", {60000, 360, 0, 0}},
        Case{"SmallestWhole", {1, 1, 0, 1}}, Case{"MaximalInputs", {1e8, 1000, 1e8, 1e8}},
        Case{"CancellingMonth", {1, 1, 1e8, -1e8}}, Case{"CancellingMonthLargeNpv", {1e8, 1, 1e8, -1e8}},
        // The present value peaks at 470.099 (candidate 45687): 9.5 % and 10.5 % short of NPV.
        Case{"InteriorPeakJustWithinTolerance", {519.45, 12, 100, -750}},
        Case{"InteriorPeakJustBeyondTolerance", {525.25, 12, 100, -750}},
        // Within 30 of 10,100 at every candidate: thousands of near ties around a flat peak.
        Case{"FlatPresentValues", {10367.813338678059, 2.88926959f, 11254.868233712697, -22416.434332386452}},
        Case{"FlatSmallAmounts", {1.617877254890925, 2.62720108f, 2.0754236313964252, -3.8636133291942003}},
        Case{"FlatWholeMonths", {22883.657022882791, 2, 45510.35, -69954.596657479662}}),
    CaseName);

constexpr double Huge = std::numeric_limits<double>::max();
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class OutsideValidation : public ::testing::TestWithParam<Case> {};

TEST_P(OutsideValidation, BehaveLikeTheReference) {
    ExpectSameAsReference(GetParam().in);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, OutsideValidation,
    ::testing::Values(Case{"MillionMonthsOverflow", {60000, 1e6f, 617.17, 0}},
                      Case{"NegativeMillionMonthsUnderflowMidway", {60000, -1e6f, 617.17, 0}},
                      // (13/12) ^ 8868 just passes the double range: only the top candidates overflow.
                      Case{"OverflowOnlyAtTheTopCandidates", {60000, 8868, 617.17, 0}},
                      Case{"JustBelowOverflow", {60000, 8867, 617.17, 0}},
                      // Payments and a negative closing amount whose present value peaks near candidate 5003:
                      // only the few candidates at the peak overflow the difference.
                      Case{"OverflowOnlyNearAnInteriorPeak",
                           {-1.6824252321078882e308, 360, 1e305, -3.1727112060259356e307}},
                      Case{"PaymentTimesFactorOverflows", {1e8, 360, 1e306, 0}},
                      Case{"PaymentAndClosingCancelToInvalid", {1e8, 1, Huge, -Huge}},
                      Case{"DifferenceOverflows", {-Huge, 1, 0, Huge}},
                      Case{"ZeroNpvFailsTheRatio", {0, 360, 617.17, 0}},
                      Case{"NegativeNpvNeverChoosesACandidate", {-100, 12, 100, 0}}, Case{"ZeroMonths", {1, 0, 1, 1}},
                      Case{"NegativeMonths", {60000, -360, 617.17, 0}},
                      Case{"InfinitePayment", {60000, 360, Infinity, 0}}, Case{"NanNpv", {NaN, 360, 617.17, 0}}),
    CaseName);

struct RaisedFlag {
    const char* name;
    int flags;

    friend void PrintTo(const RaisedFlag& r, std::ostream* os) { *os << r.name; }
};

class FlagRaisedBefore : public ::testing::TestWithParam<RaisedFlag> {};

TEST_P(FlagRaisedBefore, FailsLikeTheReference) {
    const IrrInputs initial{60000, 360, 617.17, 0};
    ExpectSameAsReference(initial, GetParam().flags);
    // Also when the search itself would fault another way.
    ExpectSameAsReference({60000, 1e6f, 617.17, 0}, GetParam().flags);
}

INSTANTIATE_TEST_SUITE_P(Flags, FlagRaisedBefore,
                         ::testing::Values(RaisedFlag{"DivisionByZero", FE_DIVBYZERO},
                                           RaisedFlag{"Invalid", FE_INVALID}, RaisedFlag{"Overflow", FE_OVERFLOW},
                                           RaisedFlag{"UnderflowIsNoFault", FE_UNDERFLOW},
                                           RaisedFlag{"InexactIsNoFault", FE_INEXACT}),
                         [](const ::testing::TestParamInfo<RaisedFlag>& info) { return std::string(info.param.name); });

class RoundingModeGuard {
public:
    explicit RoundingModeGuard(int mode) : saved_(std::fegetround()) { std::fesetround(mode); }
    RoundingModeGuard(const RoundingModeGuard&) = delete;
    RoundingModeGuard& operator=(const RoundingModeGuard&) = delete;
    ~RoundingModeGuard() { std::fesetround(saved_); }

private:
    int saved_;
};

TEST(SearchEquivalence, OtherRoundingModesStillMatch) {
    for (int mode : {FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
        RoundingModeGuard guard(mode);
        ExpectSameAsReference({60000, 360, 617.17, -10000});
    }
}

}  // namespace
}  // namespace pellucor
