// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "AppError.h"
#include "MessageBoxHost.h"

#include <string>

namespace pellucor {

// Shows the pending error (its description, an empty line, then the caller's message) and
// clears it; does nothing when no error is pending. The procedure name identifies the caller
// for readers of the code and tests; it never appears in the box. The message and the
// description are English source texts of the "Calculation" context, shown translated.
void ReportError(MessageBoxHost& host, PendingError& pending, const std::string& procedureName, bool showBox,
                 const std::string& message, bool includeDescription, int boxStyle);

}  // namespace pellucor
