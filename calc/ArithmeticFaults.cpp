#include "ArithmeticFaults.h"

#include "AppError.h"

namespace pellucor {

void RaiseArithmeticFault() {
    const int raised = std::fetestexcept(ArithmeticFaultFlags);
    if (raised & FE_OVERFLOW)
        throw AppError::Overflow();
    if (raised & FE_DIVBYZERO)
        throw AppError::DivisionByZero();
    throw AppError::InvalidCall();
}

}  // namespace pellucor
