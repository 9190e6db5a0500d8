// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A rectangle that a control lays out in twips and paints onto itself: position and size,
// background, outline and hatch fill. Lengths are snapped to whole device-independent pixels
// as they are set, so a length read back is the one that will be drawn.

#include "ControlsExport.h"
#include "OleColor.h"

#include <QRect>

class QPainter;
class QWidget;

namespace pellucor {

// Qt lays widgets out in device-independent pixels of 1/96 inch.
constexpr float TwipsPerPixel = 15.0f;

enum class ShapeBackStyle { Transparent = 0, Opaque = 1 };
// InsideSolid keeps the one-pixel outline within the rectangle's bounds.
enum class ShapeBorderStyle { Transparent = 0, Solid = 1, InsideSolid = 6 };
enum class ShapeFillStyle { Solid = 0, Transparent = 1, DiagonalCross = 7 };

class PELLUCOR_CONTROLS_EXPORT Shape {
public:
    // surface is the widget the shape is painted on; it repaints the shape on Refresh.
    explicit Shape(QWidget* surface) : surface_(surface) {}

    float Left() const noexcept { return left_; }
    float Top() const noexcept { return top_; }
    float Width() const noexcept { return width_; }
    float Height() const noexcept { return height_; }
    // A length that cannot be expressed in pixels (not finite, or beyond the widget size
    // limit) is refused with "Overflow"; negative sizes are kept and draw nothing.
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);

    OleColor BackColor() const noexcept { return backColor_; }
    ShapeBackStyle BackStyle() const noexcept { return backStyle_; }
    OleColor BorderColor() const noexcept { return borderColor_; }
    ShapeBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    OleColor FillColor() const noexcept { return fillColor_; }
    ShapeFillStyle FillStyle() const noexcept { return fillStyle_; }
    // Colours that cannot be drawn are refused with "Invalid property value".
    void SetBackColor(OleColor color);
    void SetBorderColor(OleColor color);
    void SetFillColor(OleColor color);
    void SetBackStyle(ShapeBackStyle style) noexcept { backStyle_ = style; }
    void SetBorderStyle(ShapeBorderStyle style) noexcept { borderStyle_ = style; }
    void SetFillStyle(ShapeFillStyle style) noexcept { fillStyle_ = style; }

    // The pixels covered; empty when the width or height is not positive.
    QRect PixelRect() const;

    // Repaints the area the shape covered when last drawn and the area it covers now.
    void Refresh();
    void Paint(QPainter& painter);

private:
    QWidget* surface_;
    float left_ = 0.0f;
    float top_ = 0.0f;
    float width_ = 0.0f;
    float height_ = 0.0f;
    OleColor backColor_ = 0x00FFFFFF;
    ShapeBackStyle backStyle_ = ShapeBackStyle::Transparent;
    OleColor borderColor_ = 0;
    ShapeBorderStyle borderStyle_ = ShapeBorderStyle::Solid;
    OleColor fillColor_ = 0;
    ShapeFillStyle fillStyle_ = ShapeFillStyle::Transparent;
    QRect painted_;
};

}  // namespace pellucor
