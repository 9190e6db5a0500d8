// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "modError.h"

namespace pellucor {

void ReportError(MessageBoxHost& host, PendingError& pending, const std::string& procedureName, bool showBox,
                 const std::string& message, bool includeDescription, int boxStyle) {
    if (!pending.IsPending())
        return;
    if (showBox) {
        host.ErrorReported(procedureName);
        std::string text;
        if (!message.empty() && !includeDescription)
            text = message;
        else
            text = pending.Description + "\r\n\r\n" + message;
        // Cleared before a failing box can propagate, so the error is never reported twice.
        pending.Clear();
        host.MsgBox(text, boxStyle);
        return;
    }
    pending.Clear();
}

}  // namespace pellucor
