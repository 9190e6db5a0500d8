// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Overflow, division by zero and invalid operations are faults of the calculation; underflow
// and inexact results are not. The flags are sticky: a check also sees a fault raised earlier
// and not yet cleared.

#include <cfenv>

namespace pellucor {

constexpr int ArithmeticFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

#if defined(__MINGW32__) && defined(__x86_64__)
// mingw-w64's <cfenv> runs cpuid on every call to ask whether the processor has SSE, which
// x86-64 always has: microseconds a call in a virtual machine, for a test made after every step
// of the search. These read and clear the flags directly, out of line like the library's.
int RaisedArithmeticFaults() noexcept;
void ClearArithmeticFaults() noexcept;
#else
inline int RaisedArithmeticFaults() noexcept {
    return std::fetestexcept(ArithmeticFaultFlags);
}

inline void ClearArithmeticFaults() noexcept {
    std::feclearexcept(ArithmeticFaultFlags);
}
#endif

inline bool ArithmeticFaultRaised() noexcept {
    return RaisedArithmeticFaults() != 0;
}

// Raises the error for the first raised flag: "Overflow", "Division by zero", or "Invalid
// procedure call or argument" for an invalid operation such as 0 / 0.
[[noreturn]] void RaiseArithmeticFault();

inline void CheckArithmeticFaults() {
    if (ArithmeticFaultRaised())
        RaiseArithmeticFault();
}

}  // namespace pellucor
