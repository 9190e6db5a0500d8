// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Modal message boxes as the program's procedures ask for them: a text and a style value made
// of button and icon flags, answered with a button code. Texts are UTF-8 and separate
// paragraphs with "\r\n\r\n"; the host decides how that looks on screen.

#include <string>

namespace pellucor {

namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int ButtonsMask = 0x0F;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int IconMask = 0x70;
}  // namespace MsgBoxStyle

namespace MsgBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgBoxAnswer

class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    // Shows a modal box titled with the application's title and returns the answer code.
    virtual int MsgBox(const std::string& text, int style) = 0;
    // Told which procedure is reporting, just before its report box; lets tests tell reports
    // with the same text apart.
    virtual void ErrorReported(const std::string& procedureName) { (void)procedureName; }
};

}  // namespace pellucor
