// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "AppError.h"

#include <exception>
#include <new>

namespace pellucor {

void PendingError::CatchCurrent() noexcept {
    try {
        throw;
    } catch (const AppError& e) {
        Number = e.Number();
        Description = e.what();
    } catch (const std::bad_alloc&) {
        Number = ErrorNumber::OutOfMemory;
        Description = QT_TRANSLATE_NOOP("Calculation", "Out of memory");
    } catch (const std::exception& e) {
        Number = ErrorNumber::Internal;
        Description = e.what();
    } catch (...) {
        Number = ErrorNumber::Internal;
        Description = QT_TRANSLATE_NOOP("Calculation", "Unexpected error");
    }
}

}  // namespace pellucor
