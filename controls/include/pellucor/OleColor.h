// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Colours as forms store them: 0x00BBGGRR for an RGB colour, or 0x80000000 plus the index of
// a system colour, which is looked up in the widget's palette when drawn so that the control
// follows the desktop's theme.

#include "ControlsExport.h"

#include <cstdint>

#include <QColor>
#include <QPalette>

namespace pellucor {

using OleColor = std::uint32_t;

namespace SystemColor {
constexpr OleColor Flag = 0x80000000u;
constexpr OleColor ButtonFace = Flag + 15;
constexpr OleColor ButtonText = Flag + 18;
constexpr OleColor ButtonHighlight = Flag + 20;
constexpr std::uint32_t HighestIndex = 24;
}  // namespace SystemColor

// An RGB colour or a known system colour; anything else is refused when set.
PELLUCOR_CONTROLS_EXPORT bool IsValidOleColor(OleColor color) noexcept;
// Throws "Invalid property value" for a colour that cannot be drawn.
PELLUCOR_CONTROLS_EXPORT void CheckOleColor(OleColor color);

// The colour to paint; a colour that is not valid paints black.
PELLUCOR_CONTROLS_EXPORT QColor ToQColor(OleColor color, const QPalette& palette);

// The 32-bit pattern as a store keeps it, and back.
constexpr std::int32_t OleColorBits(OleColor color) noexcept { return static_cast<std::int32_t>(color); }
constexpr OleColor OleColorFromBits(std::int32_t bits) noexcept { return static_cast<OleColor>(bits); }

}  // namespace pellucor
