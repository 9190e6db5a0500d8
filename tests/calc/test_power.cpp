// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The calculation's own power routine: the C standard's special cases and fault flags, and the
// two properties the fast search relies on: close to the true power, and monotonic in the rate.

#include "ArithmeticFaults.h"
#include "IrrSearch.h"
#include "Power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace pellucor {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct Args {
    const char* name;
    double x;
    double y;
    double expected;  // any NaN stands for every NaN
    int flags;        // the fault flags the call raises
    // By name: the raw bytes gtest would print include padding.
    friend void PrintTo(const Args& a, std::ostream* os) { *os << a.name; }
};

class PowerSpecialCases : public ::testing::TestWithParam<Args> {};

// The C standard's special cases, exact results, and where the double range ends. Written out
// rather than asked of the C library: mingw-w64's pow raises no flag for 0 to a negative power
// or for a negative base to a fraction.
// Twice, as the two factors ask: the second answer, possibly the kept one, must not differ.
TEST_P(PowerSpecialCases, GiveTheStandardValueAndFlags) {
    const Args& a = GetParam();
    for (int call = 1; call <= 2; ++call) {
        ClearArithmeticFaults();
        const double v = Power(a.x, a.y);
        const int raised = std::fetestexcept(ArithmeticFaultFlags);
        ClearArithmeticFaults();
        if (std::isnan(a.expected))
            EXPECT_TRUE(std::isnan(v)) << "call " << call << ": " << v;
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(v), std::bit_cast<std::uint64_t>(a.expected)) << "call " << call;
        EXPECT_EQ(raised, a.flags) << "call " << call;
    }
}

constexpr int O = FE_OVERFLOW;
constexpr int Z = FE_DIVBYZERO;
constexpr int I = FE_INVALID;

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerSpecialCases,
    ::testing::Values(
        Args{"ZeroToNegativeDividesByZero", 0.0, -1.0, Inf, Z}, Args{"NegativeZeroToOddNegative", -0.0, -3.0, -Inf, Z},
        Args{"ZeroToPositive", 0.0, 2.5, 0.0, 0}, Args{"NegativeZeroToOddPositive", -0.0, 3.0, -0.0, 0},
        Args{"NegativeBaseFractionIsInvalid", -8.0, 1.0 / 3, NaN, I}, Args{"NegativeBaseOddWhole", -2.0, 3.0, -8.0, 0},
        Args{"NegativeBaseEvenWhole", -2.0, -2.0, 0.25, 0}, Args{"NegativeBaseHugeWholeIsEven", -1.5, 0x1p60, Inf, O},
        Args{"OverflowsAtTheTop", 2.0, 1024.0, Inf, O}, Args{"LargestPowerOfTwo", 2.0, 1023.0, 0x1p1023, 0},
        Args{"SubnormalResult", 2.0, -1074.0, 0x1p-1074, 0}, Args{"UnderflowIsNoFault", 2.0, -1080.0, 0.0, 0},
        Args{"MillionMonthsOverflow", 1.0 + 1.0 / 12, 1e6, Inf, O},
        Args{"NegativeMillionMonths", 1.0 + 1.0 / 12, -1e6, 0.0, 0},
        Args{"HugeExponent", 1.0000000000000002, 0x1p70, Inf, O},
        Args{"HugeNegativeExponent", 0.9999999999999999, -1e300, Inf, O}, Args{"WholePowerOfTen", 10.0, 3.0, 1000.0, 0},
        Args{"SquareRootOfFour", 4.0, 0.5, 2.0, 0}, Args{"ExactPowerOfTwo", 2.0, -3.0, 0.125, 0},
        Args{"InfinityToNegative", Inf, -1.0, 0.0, 0}, Args{"NegativeInfinityToOdd", -Inf, 3.0, -Inf, 0},
        Args{"HalfToInfinity", 0.5, Inf, 0.0, 0}, Args{"HalfToMinusInfinity", 0.5, -Inf, Inf, 0},
        Args{"MinusOneToInfinity", -1.0, Inf, 1.0, 0}, Args{"OneToNaN", 1.0, NaN, 1.0, 0},
        Args{"NaNToZero", NaN, 0.0, 1.0, 0}, Args{"NaNBase", NaN, 2.0, NaN, 0},
        Args{"SubnormalBase", 0x1p-1070, 0.5, 0x1p-535, 0}, Args{"ZeroRateDiscount", 1.0, 360.0, 1.0, 0}),
    [](const ::testing::TestParamInfo<Args>& info) { return std::string(info.param.name); });

// Relative distance from the x87 extended power, whose error is a thousand times smaller.
double RelativeError(double x, double y) {
    const long double truth = std::pow(static_cast<long double>(x), static_cast<long double>(y));
    return static_cast<double>(std::fabs((static_cast<long double>(Power(x, y)) - truth) / truth));
}

// One unit in the last place, relative, is at most 2^-52: far inside the search's allowance.
constexpr double OneUlp = 0x1p-52;

TEST(Power, EveryCandidateWithinAUnitAndMonotonicInTheRate) {
    for (const float months : {1.0f, 12.0f, 360.0f, 360.5f, 1000.0f, 0.25f, -360.0f}) {
        double previous = Power(1.0, months);
        double worst = 0;
        for (std::int32_t i = 1; i <= CandidateCount; ++i) {
            const double base = static_cast<double>(CandidateRate(i)) / 12.0 + 1.0;
            const double p = Power(base, months);
            worst = std::fmax(worst, RelativeError(base, months));
            ASSERT_TRUE(months > 0 ? p > previous : p < previous) << "months " << months << " candidate " << i;
            previous = p;
        }
        EXPECT_LE(worst, OneUlp) << "months " << months;
    }
}

TEST(Power, RandomArgumentsWithinAUnit) {
    std::mt19937_64 engine(0x9e3779b9ULL);
    const auto unit = [&] { return static_cast<double>(engine() >> 11) * 0x1p-53; };
    double worst = 0;
    for (int k = 0; k < 200000; ++k) {
        // Anywhere in the double range, and near 1 with long durations, as the search uses it.
        const double x = std::exp((unit() - 0.5) * 1400);
        const double y = (unit() - 0.5) * 2;
        const double nearOne = 1.0 + (unit() - 0.5) * 0.2;
        const double months = (unit() - 0.5) * 4000;
        worst = std::fmax(worst, std::fmax(RelativeError(x, y), RelativeError(nearOne, months)));
    }
    EXPECT_LE(worst, OneUlp);
}

}  // namespace
}  // namespace pellucor
