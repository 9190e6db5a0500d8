// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The rate search against its yardstick, the straightforward loop, in one process, plus the
// costs that bound any design that evaluates every candidate, and the whole click.

#include "ArithmeticFaults.h"
#include "CalculateCommand.h"
#include "FakeWindow.h"
#include "IrrSearch.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using namespace pellucor;

const IrrInputs InitialInputs{60000, 360, 617.17, 0};
// 100,000 at 6 % a year over 1000 months.
const IrrInputs LongLoan{100000, 1000, 503.43, 0};
// No block can be ruled out: every candidate's present value is 0, as close as NPV itself.
const IrrInputs NothingPaidBack{60000, 360, 0, 0};

// Payment and closing amount pulling against each other: the present value stays within 30 of
// 10,100 over all candidates and peaks near 45 %, where thousands of candidates lie within a
// cent or so of the best.
const IrrInputs FlatPresentValues{10367.813338678059, 2.88926959f, 11254.868233712697, -22416.434332386452};

// Short loans of that kind across the ranges: closing amounts of 1 to 1.15 times (N + 1) / 2
// payments, where the present value turns over the candidates, and NPV from just below its
// peak to 10 % above; the time is per search.
std::vector<IrrInputs> FlatLoans() {
    std::vector<IrrInputs> inputs;
    for (float months : {1.5f, 2.0f, 2.88926959f, 4.0f, 7.25f, 12.0f, 24.0f}) {
        for (double payment : {2.07, 11254.87, 4.5e7}) {
            for (double ratio : {1.0, 1.03, 1.15}) {
                const double closing = -payment * (months + 1.0) / 2 * ratio;
                double peak = 0;
                for (std::int32_t i = 1; i <= CandidateCount; i += 97) {
                    const double m = static_cast<double>(CandidateRate(i)) / 12.0;
                    const double p = std::pow(m + 1.0, static_cast<double>(months));
                    peak = std::fmax(peak, (1.0 - 1.0 / p) / m * payment + closing / p);
                }
                for (double above : {0.999, 1.02, 1.1})
                    inputs.push_back({std::fmax(1.0, peak * above), months, payment, closing});
            }
        }
    }
    return inputs;
}

// One month, payment and closing amount cancelling: the present values are rounding noise.
const IrrInputs CancellingMonth{1, 1, 100000000, -100000000};

// The cancelling family across its range: payments of 1 to 100,000,000 against NPVs of 1 to
// 100,000,000, exactly cancelled or off by a little; the time is per search.
std::vector<IrrInputs> CancellingMonths() {
    std::vector<IrrInputs> inputs;
    for (double payment = 1; payment <= 1e8; payment *= 10) {
        for (double npv : {1.0, 100.0, 60000.0, 1e8}) {
            inputs.push_back({npv, 1, payment, -payment});
            inputs.push_back({npv, 1, payment, -payment + 0.5});
        }
    }
    return inputs;
}

void SearchIrrBench(benchmark::State& state, const IrrInputs& in) {
    for (auto _ : state) {
        ClearArithmeticFaults();
        benchmark::DoNotOptimize(SearchIrr(in));
    }
}

// Loans at rates across the whole candidate range and durations from 1 to 1000 months, so the
// winner sits anywhere; the time is per search.
std::vector<IrrInputs> VariedLoans() {
    std::vector<IrrInputs> loans;
    for (int k = 0; k < 64; ++k) {
        const double annual = 0.005 + 1.0 * k / 64.0;
        const double m = annual / 12;
        const float months = static_cast<float>(1 + (k * 397) % 1000);
        const double growth = std::pow(1 + m, static_cast<double>(months));
        const double payment = std::round(100000 * m / (1 - 1 / growth) * 100) / 100;
        loans.push_back({100000, months, payment, k % 3 == 0 ? 20000.0 : 0.0});
    }
    return loans;
}

void SearchIrrVariedBench(benchmark::State& state) {
    const std::vector<IrrInputs> loans = VariedLoans();
    for (auto _ : state) {
        for (const IrrInputs& in : loans) {
            ClearArithmeticFaults();
            benchmark::DoNotOptimize(SearchIrr(in));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(loans.size()));
}

void SearchIrrCancellingBench(benchmark::State& state) {
    const std::vector<IrrInputs> inputs = CancellingMonths();
    for (auto _ : state) {
        for (const IrrInputs& in : inputs) {
            ClearArithmeticFaults();
            benchmark::DoNotOptimize(SearchIrr(in));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void SearchIrrFlatBench(benchmark::State& state) {
    const std::vector<IrrInputs> inputs = FlatLoans();
    for (auto _ : state) {
        for (const IrrInputs& in : inputs) {
            ClearArithmeticFaults();
            benchmark::DoNotOptimize(SearchIrr(in));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void SearchIrrReferenceBench(benchmark::State& state, const IrrInputs& in) {
    for (auto _ : state) {
        ClearArithmeticFaults();
        benchmark::DoNotOptimize(SearchIrrReference(in));
    }
}

// Every candidate with the power shared by both factors and the flags tested once: the floor
// of any search that evaluates all 100,000 candidates.
void OnePowerPerCandidateBench(benchmark::State& state, const IrrInputs& in) {
    const double periods = in.months;
    for (auto _ : state) {
        ClearArithmeticFaults();
        double bestDifference = in.npv;
        IrrOutcome out;
        for (std::int32_t i = 1; i <= CandidateCount; ++i) {
            const float annual = CandidateRate(i);
            const double monthly = static_cast<double>(annual) / 12.0;
            const double p = std::pow(monthly + 1.0, periods);
            const double af = (1.0 - 1.0 / p) / monthly;
            const double pv = af * in.payment + 1.0 / p * in.closing;
            const double d = std::fabs(in.npv - pv);
            if (d < bestDifference) {
                bestDifference = d;
                out.bestPresentValue = pv;
                out.bestRate = annual;
            }
        }
        CheckArithmeticFaults();
        benchmark::DoNotOptimize(out);
    }
}

// 100,000 calls of the library's power alone.
void PowerCallsBench(benchmark::State& state, const IrrInputs& in) {
    const double periods = in.months;
    for (auto _ : state) {
        double sum = 0;
        for (std::int32_t i = 1; i <= CandidateCount; ++i)
            sum += std::pow(static_cast<double>(CandidateRate(i)) / 12.0 + 1.0, periods);
        benchmark::DoNotOptimize(sum);
    }
}

// Validation, busy state, search and result line against the recording window.
void ClickPathBench(benchmark::State& state, const char* npv, const char* months, const char* payment) {
    testing::FakeWindow window;
    window.SetInputs(npv, months, payment, "0");
    const NumberLocale locale = NumberLocale::PointDecimal();
    for (auto _ : state) {
        window.log.clear();
        cmdCalculate_Click(window, locale);
        benchmark::DoNotOptimize(window.texts);
    }
    if (window.Result().rfind("IRR = ", 0) != 0)
        state.SkipWithError("the click did not produce a rate");
}

BENCHMARK_CAPTURE(SearchIrrBench, InitialInputs, InitialInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrReferenceBench, InitialInputs, InitialInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrBench, LongLoan, LongLoan)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrReferenceBench, LongLoan, LongLoan)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchIrrVariedBench)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrBench, NothingPaidBack, NothingPaidBack)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrBench, CancellingMonth, CancellingMonth)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrReferenceBench, CancellingMonth, CancellingMonth)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchIrrCancellingBench)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrBench, FlatPresentValues, FlatPresentValues)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchIrrReferenceBench, FlatPresentValues, FlatPresentValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchIrrFlatBench)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OnePowerPerCandidateBench, InitialInputs, InitialInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PowerCallsBench, InitialInputs, InitialInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClickPathBench, InitialInputs, "60000", "360", "617.17")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClickPathBench, LongLoan, "100000", "1000", "503.43")->Unit(benchmark::kMicrosecond);

}  // namespace
