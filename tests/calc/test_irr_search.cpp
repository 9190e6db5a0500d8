// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The search itself: candidates, ties, and agreement with the straightforward loop.

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "IrrSearch.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(IrrSearch, CandidatesAreHeldInSinglePrecision) {
    EXPECT_EQ(CandidateRate(1), 0.00001f);
    EXPECT_EQ(CandidateRate(12000), 0.12f);
    EXPECT_EQ(CandidateRate(CandidateCount), 1.0f);
}

TEST(IrrSearch, InitialInputsPickCandidate12000) {
    ClearArithmeticFaults();
    const IrrOutcome out = SearchIrr({60000, 360, 617.17, 0});
    EXPECT_EQ(out.bestRate, CandidateRate(12000));
    EXPECT_NEAR(out.bestPresentValue, 60000.239, 0.0005);
}

TEST(IrrSearch, NoCandidateCloserThanNpvLeavesZero) {
    ClearArithmeticFaults();
    const IrrOutcome out = SearchIrr({60000, 360, 0, 0});
    EXPECT_EQ(out.bestRate, 0.0f);
    EXPECT_EQ(out.bestPresentValue, 0.0);
    EXPECT_EQ(ResultLine({60000, 360, 0, 0}, out, NumberLocale::PointDecimal()), "IRR is out of range.");
}

TEST(IrrSearch, RatioOfExactlyOneTenthIsOutOfRange) {
    // |10 - 9| / 10 is exactly 0.1 in double arithmetic.
    IrrOutcome out;
    out.bestRate = CandidateRate(5);
    out.bestPresentValue = 9;
    EXPECT_EQ(ResultLine({10, 1, 0, 0}, out, NumberLocale::PointDecimal()), "IRR is out of range.");
    out.bestPresentValue = 9.5;
    EXPECT_EQ(ResultLine({10, 1, 0, 0}, out, NumberLocale::PointDecimal()), "IRR = 0.005%, when NPV = 9.5");
}

TEST(IrrSearch, FlagRaisedBeforeTheSearchIsAFault) {
    ClearArithmeticFaults();
    std::feraiseexcept(FE_DIVBYZERO);
    EXPECT_THROW(SearchIrrReference({60000, 360, 617.17, 0}), AppError);
    ClearArithmeticFaults();
}

}  // namespace
}  // namespace pellucor
