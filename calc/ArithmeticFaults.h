#pragma once
// Overflow, division by zero and invalid operations are faults of the calculation; underflow
// and inexact results are not. The flags are sticky: a check also sees a fault raised earlier
// and not yet cleared.

#include <cfenv>

namespace pellucor {

constexpr int ArithmeticFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

inline void ClearArithmeticFaults() noexcept {
    std::feclearexcept(ArithmeticFaultFlags);
}

inline bool ArithmeticFaultRaised() noexcept {
    return std::fetestexcept(ArithmeticFaultFlags) != 0;
}

// Raises the error for the first raised flag: "Overflow", "Division by zero", or "Invalid
// procedure call or argument" for an invalid operation such as 0 / 0.
[[noreturn]] void RaiseArithmeticFault();

inline void CheckArithmeticFaults() {
    if (ArithmeticFaultRaised())
        RaiseArithmeticFault();
}

}  // namespace pellucor
