// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "Shape.h"

#include "AppError.h"

#include <cmath>

#include <QPainter>
#include <QWidget>

namespace pellucor {

namespace {

float SnapToPixels(float twips) {
    const double pixels = std::round(static_cast<double>(twips) / TwipsPerPixel);
    if (!std::isfinite(pixels) || std::fabs(pixels) > QWIDGETSIZE_MAX)
        throw AppError::Overflow();
    return static_cast<float>(pixels * TwipsPerPixel);
}

int Pixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

}  // namespace

void Shape::SetLeft(float twips) { left_ = SnapToPixels(twips); }
void Shape::SetTop(float twips) { top_ = SnapToPixels(twips); }
void Shape::SetWidth(float twips) { width_ = SnapToPixels(twips); }
void Shape::SetHeight(float twips) { height_ = SnapToPixels(twips); }

void Shape::SetBackColor(OleColor color) {
    CheckOleColor(color);
    backColor_ = color;
}

void Shape::SetBorderColor(OleColor color) {
    CheckOleColor(color);
    borderColor_ = color;
}

void Shape::SetFillColor(OleColor color) {
    CheckOleColor(color);
    fillColor_ = color;
}

QRect Shape::PixelRect() const {
    const int width = Pixels(width_);
    const int height = Pixels(height_);
    if (width <= 0 || height <= 0)
        return {};
    return {Pixels(left_), Pixels(top_), width, height};
}

void Shape::Refresh() {
    if (surface_)
        surface_->update(painted_.united(PixelRect()));
}

void Shape::Paint(QPainter& painter) {
    const QRect rect = PixelRect();
    painted_ = rect;
    if (rect.isEmpty())
        return;
    const QPalette& palette = surface_ ? surface_->palette() : QPalette();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (backStyle_ == ShapeBackStyle::Opaque)
        painter.fillRect(rect, ToQColor(backColor_, palette));
    if (fillStyle_ != ShapeFillStyle::Transparent) {
        const Qt::BrushStyle pattern =
            fillStyle_ == ShapeFillStyle::DiagonalCross ? Qt::DiagCrossPattern : Qt::SolidPattern;
        painter.fillRect(rect, QBrush(ToQColor(fillColor_, palette), pattern));
    }
    if (borderStyle_ != ShapeBorderStyle::Transparent) {
        // Four one-pixel bands along the inside of the bounds. A pen would be one device pixel
        // wide and centred a device pixel short of the far edges at any scale above 1, leaving
        // what lies beneath showing outside the frame.
        const QColor outline = ToQColor(borderColor_, palette);
        const int thickness = 1;
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), thickness), outline);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), thickness), outline);
        painter.fillRect(QRect(rect.left(), rect.top(), thickness, rect.height()), outline);
        painter.fillRect(QRect(rect.right(), rect.top(), thickness, rect.height()), outline);
    }
    painter.restore();
}

}  // namespace pellucor
