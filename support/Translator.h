// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// How the display-free code has its texts translated without knowing Qt. Every text a user
// reads is written here in English and marked for Qt's lupdate with QT_TRANSLATE_NOOP; just
// before it is shown, the window that shows it is asked for the translation (Translate), and
// the figures are filled in afterwards (FillIn), so that a language orders them its own way.

#include "MessageBoxHost.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Qt's own definition is the same; this one lets the core build without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pellucor {

// Kept apart from MessageBoxHost: that class is a base of the controls library's public
// ControlHost, and a new virtual there would move ControlHost's own in every program built
// against it.
class Translator {
public:
    virtual ~Translator() = default;
    // The text in the user's language; the English source where there is none.
    virtual std::string Translate(const char* /*context*/, const char* sourceText) const { return sourceText; }
};

// The host's translation when it is also a Translator, else the source text unchanged.
std::string Translate(const MessageBoxHost& host, const char* context, const char* sourceText);

// Replaces %1 ... %9 by the arguments in one pass (an argument's own "%2" stays as it is).
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace pellucor
