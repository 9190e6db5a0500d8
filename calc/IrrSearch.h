// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The rate search: 100,000 candidate annual rates i / 100,000 (0.001 % to 100 %), compounded
// monthly, and the one whose present value comes closest to the net cash disbursement.

#include "NumberRules.h"
#include "Translator.h"

#include <cstdint>
#include <string>

namespace pellucor {

constexpr std::int32_t CandidateCount = 100000;

struct IrrInputs {
    double npv = 0;      // net cash disbursement
    float months = 0;    // N, held in single precision like the rate
    double payment = 0;  // PMT
    double closing = 0;  // loan balance + penalties + closing fees, due with the last payment
};

struct IrrOutcome {
    float bestRate = 0;  // 0 when no candidate came nearer than NPV itself
    double bestPresentValue = 0;
};

// The candidate rate for i: divided in double precision, held in single.
inline float CandidateRate(std::int32_t i) {
    return static_cast<float>(static_cast<double>(i) / 100000.0);
}

// Gives what the reference loop gives, without evaluating every candidate: the same error,
// the same result line, and wherever that line shows the candidate, the same candidate and
// present value bit for bit. When the line reads "IRR is out of range." the outcome may be
// another candidate just as far from NPV. Ends of blocks are evaluated exactly,
// and a block is evaluated in full only when bounds on its present values cannot rule out
// its holding the winner. Anything the bounds cannot cover (a fault, a power near the edge of
// the double range, a flag already raised, non-finite inputs, another rounding mode) is
// handed to the reference loop. Runs on the calling thread and allocates nothing.
IrrOutcome SearchIrr(const IrrInputs& in);

// The straightforward loop (both factors per candidate, flags tested after every step): the
// yardstick that SearchIrr must match bit for bit.
IrrOutcome SearchIrrReference(const IrrInputs& in);

// "IRR = 12.000%, when NPV = 60000.239", or "IRR is out of range." when the closest candidate
// misses NPV by 10 % or more, in the language of texts. Raises arithmetic faults of the ratio
// test.
std::string ResultLine(const IrrInputs& in, const IrrOutcome& out, const NumberLocale& locale,
                       const Translator& texts = Translator());

}  // namespace pellucor
