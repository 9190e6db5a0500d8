// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ArithmeticFaults.h"

#include "AppError.h"

#if defined(__MINGW32__) && defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace pellucor {

#if defined(__MINGW32__) && defined(__x86_64__)
// The arithmetic sets SSE's flags; feraiseexcept sets the x87's. The FE_ values are the bit
// positions in both registers.
int RaisedArithmeticFaults() noexcept {
    unsigned short x87 = 0;
    __asm__ volatile("fnstsw %0" : "=am"(x87));
    return static_cast<int>((_mm_getcsr() | x87) & ArithmeticFaultFlags);
}

void ClearArithmeticFaults() noexcept {
    _mm_setcsr(_mm_getcsr() & ~static_cast<unsigned>(ArithmeticFaultFlags));
    // Clears the x87's underflow and inexact flags too; nothing here computes on the x87.
    __asm__ volatile("fnclex");
}
#endif

void RaiseArithmeticFault() {
    const int raised = RaisedArithmeticFaults();
    if (raised & FE_OVERFLOW)
        throw AppError::Overflow();
    if (raised & FE_DIVBYZERO)
        throw AppError::DivisionByZero();
    throw AppError::InvalidCall();
}

}  // namespace pellucor
