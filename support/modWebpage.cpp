// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "modWebpage.h"

#include "modShellExecute.h"
#include "Translator.h"

#include <utility>

namespace pellucor {

namespace {

// %1 is the address; "\r\n" separates the paragraphs.
std::string ConfirmText(const MessageBoxHost& boxes, const std::string& address) {
    return FillIn(Translate(boxes, "Help",
                            QT_TRANSLATE_NOOP("Help",
                                              "This program will open the following web page:\r\n\r\n%1\r\n\r\n"
                                              "Click OK to continue.")),
                  {address});
}

std::string FallbackText(const MessageBoxHost& boxes, const std::string& address) {
    return FillIn(Translate(boxes, "Help",
                            QT_TRANSLATE_NOOP("Help",
                                              "Sorry. It appears that opening the webpage of this program is not "
                                              "possible on this computer. As an alternative, you may visit following "
                                              "page using a web browser:\r\n\r\n%1\r\n\r\nDo you want to copy "
                                              "the above address on the clipboard?")),
                  {address});
}

void OfferToCopy(MessageBoxHost& boxes, Clipboard& clipboard, const std::string& address) noexcept {
    // A box that could not be shown gave no answer, so the clipboard is left alone.
    int answer = MsgBoxAnswer::Cancel;
    try {
        answer = boxes.MsgBox(FallbackText(boxes, address), MsgBoxStyle::YesNoCancel + MsgBoxStyle::Question);
    } catch (...) {
    }
    if (answer != MsgBoxAnswer::Yes) return;
    try {
        clipboard.Clear();
    } catch (...) {
    }
    try {
        clipboard.SetText(address);
    } catch (...) {
    }
}

void Notify(const std::function<void()>& finished) noexcept {
    try {
        if (finished) finished();
    } catch (...) {
    }
}

}  // namespace

void OpenWebPage(MessageBoxHost& boxes, Shell& shell, Clipboard& clipboard, const std::string& address,
                 std::int32_t ownerWindow, bool confirm, std::function<void()> finished) noexcept {
    if (confirm) {
        try {
            if (boxes.MsgBox(ConfirmText(boxes, address), MsgBoxStyle::OkCancel) == MsgBoxAnswer::Cancel) {
                Notify(finished);
                return;
            }
        } catch (...) {
        }
    }

    try {
        const OpenDone outcome = CalledOnce([&boxes, &clipboard, address, finished](bool opened) {
            if (!opened) OfferToCopy(boxes, clipboard, address);
            Notify(finished);
        });
        try {
            ShellOpen(shell, address, ownerWindow, std::nullopt, ShowCommand::Normal, std::string(), outcome);
        } catch (...) {
            outcome(false);
        }
    } catch (...) {
        // Out of memory before anything started: the request ends here.
        Notify(finished);
    }
}

}  // namespace pellucor
