// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the calculation needs from its window. The Qt window implements it with real widgets;
// tests implement it with a recording fake. Any operation may throw (an AppError, say); the
// procedures handle that as their error traps say. Texts handed to it are already translated
// (Translator::Translate, which answers English unless the window overrides it).

#include "MessageBoxHost.h"
#include "Translator.h"

#include <string>

namespace pellucor {

enum class Field { NPV, Duration, PMT, ClosingCost, Result };

enum class MousePointer { Default = 0, Hourglass = 11 };

// The field's object name in the window: "txtNPV", "txtDuration", ...
const char* FieldName(Field field);

class CalcWindow : public MessageBoxHost, public Translator {
public:
    virtual std::string Text(Field field) = 0;
    virtual void SetText(Field field, const std::string& text) = 0;
    // Paints at once, so a text set just before shows while the thread stays busy.
    virtual void Repaint() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // Selects the field's whole text, focuses it, and shows a non-empty message in an OK box.
    virtual void SelectField(Field field, const std::string& message) = 0;
};

}  // namespace pellucor
