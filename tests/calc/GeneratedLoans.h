// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Loans drawn from a seeded generator, the same on every platform: the engine is fully
// specified, the draws use no standard distribution, and the one power they take is the
// calculation's own. Shared by the search equivalence tests and the cross-platform result
// line comparison.

#include "IrrSearch.h"

#include <cstdint>
#include <random>

namespace pellucor::testing {

class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Unit(); }
    double LogUniform(double low, double high);
    std::int32_t Integer(std::int32_t low, std::int32_t high) {
        return low + static_cast<std::int32_t>(engine_() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool Chance(double p) { return Unit() < p; }
    double Sign() { return Chance(0.5) ? 1.0 : -1.0; }

private:
    std::mt19937_64 engine_;
};

// Anything the validation lets through: amounts and durations over their whole ranges.
IrrInputs AnyValidInputs(Draw& draw);

// A loan as people enter one: amounts in cents, whole months, a payment that amortises the
// principal at some rate (sometimes beyond the candidates), a balloon now and then.
IrrInputs RealisticLoan(Draw& draw);

// Short loans and small amounts, where the winner sits at the lowest or highest candidate.
IrrInputs ShortSmallLoan(Draw& draw);

// NPV set to a candidate's own present value, so that some candidate hits it exactly and
// neighbours may tie.
IrrInputs ExactHit(Draw& draw);

// One month, with a closing amount that cancels the payment or nearly so: the present values
// are rounding noise around (PMT + closing) / (1 + m), loudest at the lowest rates.
IrrInputs CancellingMonth(Draw& draw);

// Short loans whose closing amount outweighs the payments so that the present value rises
// and falls over the candidates, with NPV near its flat peak: thousands of near ties.
IrrInputs OpposedFlows(Draw& draw);

// The k-th loan of a run: the six kinds above in turn.
IrrInputs MixedLoan(Draw& draw, int k);

}  // namespace pellucor::testing
