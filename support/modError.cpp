// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "modError.h"

#include "Translator.h"

namespace pellucor {

void ReportError(MessageBoxHost& host, PendingError& pending, const std::string& procedureName, bool showBox,
                 const std::string& message, bool includeDescription, int boxStyle) {
    if (!pending.IsPending())
        return;
    if (showBox) {
        host.ErrorReported(procedureName);
        // Two whole sentences, each translated on its own: nothing inside one is joined.
        const std::string shownMessage = message.empty() ? message : Translate(host, "Calculation", message.c_str());
        std::string text;
        if (!message.empty() && !includeDescription)
            text = shownMessage;
        else
            text = Translate(host, "Calculation", pending.Description.c_str()) + "\r\n\r\n" + shownMessage;
        // Cleared before a failing box can propagate, so the error is never reported twice.
        pending.Clear();
        host.MsgBox(text, boxStyle);
        return;
    }
    pending.Clear();
}

}  // namespace pellucor
