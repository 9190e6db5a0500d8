// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "GeneratedLoans.h"

#include "Power.h"

#include <cmath>

namespace pellucor::testing {

namespace {

double Cents(double v) {
    return std::round(v * 100.0) / 100.0;
}

}  // namespace

double Draw::LogUniform(double low, double high) {
    return low * Power(high / low, Unit());
}

IrrInputs AnyValidInputs(Draw& draw) {
    IrrInputs in;
    in.npv = draw.LogUniform(1, 1e8);
    in.months = static_cast<float>(draw.Chance(0.5) ? draw.Integer(1, 1000) : draw.Uniform(1, 1000));
    in.payment = draw.Chance(0.1) ? 0.0 : draw.LogUniform(0.01, 1e8);
    in.closing = draw.Chance(0.3) ? 0.0 : draw.Sign() * draw.LogUniform(0.01, 1e8);
    return in;
}

IrrInputs RealisticLoan(Draw& draw) {
    const double principal = Cents(draw.LogUniform(1000, 1e7));
    const double annual = draw.Uniform(0.0001, 1.1);
    const double m = annual / 12;
    IrrInputs in;
    in.months = static_cast<float>(draw.Chance(0.8) ? draw.Integer(1, 480) : draw.Integer(481, 1000));
    const double balloon = draw.Chance(0.5) ? 0.0 : Cents(principal * draw.Uniform(-0.5, 1.0));
    const double growth = Power(1 + m, static_cast<double>(in.months));
    in.payment = Cents(std::fmax(0.0, (principal - balloon / growth) * m / (1 - 1 / growth)));
    in.closing = balloon;
    in.npv = Cents(principal * (1 + draw.Uniform(-0.02, 0.02)) - draw.Uniform(0, 0.05) * principal);
    if (in.npv < 1)
        in.npv = 1;
    return in;
}

IrrInputs ShortSmallLoan(Draw& draw) {
    IrrInputs in;
    in.npv = Cents(draw.Uniform(1, 2000));
    in.months = static_cast<float>(draw.Chance(0.5) ? draw.Integer(1, 24) : draw.Uniform(1, 24));
    in.payment = Cents(draw.Uniform(0, 200));
    in.closing = draw.Chance(0.5) ? 0.0 : Cents(draw.Uniform(-1000, 1000));
    return in;
}

IrrInputs ExactHit(Draw& draw) {
    IrrInputs in = draw.Chance(0.5) ? RealisticLoan(draw) : ShortSmallLoan(draw);
    const double monthly = static_cast<double>(CandidateRate(draw.Integer(1, CandidateCount))) / 12.0;
    const double p = Power(monthly + 1.0, static_cast<double>(in.months));
    const double pv = (1.0 - 1.0 / p) / monthly * in.payment + 1.0 / p * in.closing;
    if (pv >= 1)
        in.npv = pv;
    return in;
}

IrrInputs CancellingMonth(Draw& draw) {
    IrrInputs in;
    in.months = 1;
    in.payment = draw.Chance(0.7) ? draw.LogUniform(1e4, 1e8) : draw.LogUniform(0.01, 1e4);
    if (draw.Chance(0.5))
        in.payment = Cents(in.payment);
    switch (draw.Integer(0, 2)) {
        case 0:  // NPV anywhere above the noise
            in.closing = -in.payment;
            in.npv = Cents(draw.LogUniform(1, 1e8));
            break;
        case 1:  // the sum meets NPV at some candidate, often where the noise decides the winner
            in.closing = -in.payment + draw.LogUniform(1, 1e3);
            in.npv = std::fmax(1.0, (in.payment + in.closing) / (1 + draw.LogUniform(1e-7, 0.083)));
            break;
        default:  // the sum falls short of NPV by about 10 %
            in.npv = draw.LogUniform(1, 100);
            in.closing = -in.payment + in.npv * draw.Uniform(0.88, 0.92);
            break;
    }
    return in;
}

IrrInputs OpposedFlows(Draw& draw) {
    IrrInputs in;
    in.months = static_cast<float>(draw.Chance(0.5) ? draw.Integer(1, 24) : draw.Uniform(1, 24));
    const double n = in.months;
    // Near (N + 1) / 2 the two terms' slopes cancel at the lowest rates.
    const double ratio = (n + 1) / 2 * draw.Uniform(0.98, 1.15);
    in.payment = draw.LogUniform(0.01, 1e8 / ratio);
    if (draw.Chance(0.5))
        in.payment = Cents(in.payment);
    in.closing = -in.payment * ratio;
    double peak = 0;
    for (std::int32_t i = 1; i <= CandidateCount; i += 997) {
        const double m = static_cast<double>(CandidateRate(i)) / 12.0;
        const double p = Power(m + 1.0, n);
        peak = std::fmax(peak, (1.0 - 1.0 / p) / m * in.payment + 1.0 / p * in.closing);
    }
    in.npv = std::fmin(1e8, std::fmax(1.0, peak * draw.Uniform(0.97, 1.13)));
    return in;
}

IrrInputs MixedLoan(Draw& draw, int k) {
    switch (k % 6) {
        case 0: return AnyValidInputs(draw);
        case 1: return RealisticLoan(draw);
        case 2: return ShortSmallLoan(draw);
        case 3: return CancellingMonth(draw);
        case 4: return ExactHit(draw);
        default: return OpposedFlows(draw);
    }
}

}  // namespace pellucor::testing
