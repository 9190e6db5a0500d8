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
        // A cosmetic one-pixel pen covers the pixels from the rectangle's top-left corner to
        // one short of its far edges, so the outline lies inside the bounds.
        painter.setPen(QPen(ToQColor(borderColor_, palette), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace pellucor
