// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The "Calculate IRR" command, written against CalcWindow so it runs without a display.

#include "CalcWindow.h"
#include "NumberRules.h"

namespace pellucor {

// Source texts of the "Calculation" context.
//: Shown in the result box while the search runs; letters spaced out where the script has letters.
inline constexpr const char* BusyText = QT_TRANSLATE_NOOP("Calculation", "C A L C U L A T I N G . . .");
inline constexpr const char* ErrorText = QT_TRANSLATE_NOOP("Calculation", "E R R O R");
inline constexpr const char* CalculateFailedMessage = QT_TRANSLATE_NOOP("Calculation", "Could not calculate IRR.");

// Checks the four inputs in order and points the user at the first bad one. True when all
// pass.
bool CheckValues(CalcWindow& window, const NumberLocale& locale);

// Reads the inputs, runs the search in the busy state and writes the outcome to the result
// field; a failure shows "E R R O R" and one report. The window always ends enabled with the
// default pointer.
void CalculateIRR(CalcWindow& window, const NumberLocale& locale);

// The click handler: validation, then the calculation, then a report of anything that escaped
// both.
void cmdCalculate_Click(CalcWindow& window, const NumberLocale& locale);

}  // namespace pellucor
