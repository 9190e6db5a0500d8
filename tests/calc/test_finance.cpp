// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The two discount factors, their rounding and their faults.

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "modFinance.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

namespace pellucor {
namespace {

enum class Factor { Discount, Annuity };

struct FactorRow {
    const char* name;
    Factor factor;
    double rate;
    double periods;
    int digits;
    double expected;
    double tolerance;  // 0: exact

    friend void PrintTo(const FactorRow& row, std::ostream* os) { *os << row.name; }
};

class FactorValues : public ::testing::TestWithParam<FactorRow> {
protected:
    void SetUp() override { ClearArithmeticFaults(); }
};

TEST_P(FactorValues, Match) {
    const FactorRow& r = GetParam();
    const double v = r.factor == Factor::Discount ? DiscountFactor(r.rate, r.periods, r.digits)
                                                  : AnnuityFactor(r.rate, r.periods, r.digits);
    if (r.tolerance == 0)
        EXPECT_EQ(v, r.expected);
    else
        EXPECT_NEAR(v, r.expected, r.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Published, FactorValues,
    ::testing::Values(FactorRow{"DiscountYearAtOnePercent", Factor::Discount, 0.01, 12, -1, 0.8874492253, 1e-10},
                      FactorRow{"AnnuityYearAtOnePercent", Factor::Annuity, 0.01, 12, -1, 11.25507747, 1e-8},
                      FactorRow{"Annuity360Unrounded", Factor::Annuity, 0.01, 360, -1, 97.21833108, 1e-8},
                      FactorRow{"Annuity360TwoDigits", Factor::Annuity, 0.01, 360, 2, 97.22, 0},
                      FactorRow{"DiscountFourDigits", Factor::Discount, 0.01, 12, 4, 0.8874, 0},
                      // 1/400 and 1/11.428...: doubles just above and just below a tie.
                      FactorRow{"DiscountJustAboveTie", Factor::Discount, 399, 1, 3, 0.003, 0},
                      FactorRow{"DiscountJustBelowTie", Factor::Discount, 10.428571428571429, 1, 3, 0.087, 0},
                      FactorRow{"DiscountNoPeriods", Factor::Discount, 0.05, 0, -1, 1, 0},
                      FactorRow{"AnnuityNoPeriods", Factor::Annuity, 0.05, 0, -1, 0, 0},
                      FactorRow{"DiscountZeroRate", Factor::Discount, 0, 360, -1, 1, 0},
                      FactorRow{"DiscountHalfPeriod", Factor::Discount, 0.01, 0.5, -1, 1 / std::sqrt(1.01), 1e-15},
                      FactorRow{"DiscountNegativePeriods", Factor::Discount, 0.1, -2, -1, 1.21, 1e-12}),
    [](const ::testing::TestParamInfo<FactorRow>& info) { return std::string(info.param.name); });

struct FaultRow {
    const char* name;
    Factor factor;
    double rate;
    double periods;
    std::int32_t number;

    friend void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }
};

class FactorFaults : public ::testing::TestWithParam<FaultRow> {
protected:
    void SetUp() override { ClearArithmeticFaults(); }
    void TearDown() override { ClearArithmeticFaults(); }
};

TEST_P(FactorFaults, RaiseTheirError) {
    const FaultRow& r = GetParam();
    try {
        if (r.factor == Factor::Discount)
            DiscountFactor(r.rate, r.periods, -1);
        else
            AnnuityFactor(r.rate, r.periods, -1);
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), r.number);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FactorFaults,
    ::testing::Values(FaultRow{"AnnuityZeroRate", Factor::Annuity, 0, 12, ErrorNumber::InvalidCall},
                      FaultRow{"DiscountRateMinusOne", Factor::Discount, -1, 12, ErrorNumber::DivisionByZero},
                      FaultRow{"AnnuityRateMinusOne", Factor::Annuity, -1, 12, ErrorNumber::DivisionByZero},
                      FaultRow{"DiscountPowerOverflow", Factor::Discount, 1, 5000, ErrorNumber::Overflow},
                      FaultRow{"AnnuityPowerOverflow", Factor::Annuity, 1, 5000, ErrorNumber::Overflow}),
    [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

TEST(FactorFaults, AFlagLeftRaisedFailsEvenHarmlessArguments) {
    ClearArithmeticFaults();
    std::feraiseexcept(FE_OVERFLOW);
    EXPECT_THROW(DiscountFactor(0.01, 12, -1), AppError);
    std::feraiseexcept(FE_INVALID);
    EXPECT_THROW(AnnuityFactor(0.01, 12, -1), AppError);
    ClearArithmeticFaults();
}

TEST(FactorFaults, UnderflowIsNoFault) {
    ClearArithmeticFaults();
    // 1 / 1e308 is subnormal: the underflow flag rises, and that is no fault.
    EXPECT_NEAR(DiscountFactor(1e154, 2, -1), 1e-308, 1e-320);
}

}  // namespace
}  // namespace pellucor
