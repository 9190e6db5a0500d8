// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ProgressBar.h"

#include <cmath>
#include <limits>

#include <QLoggingCategory>
#include <QPainter>

namespace pellucor {

namespace {

Q_LOGGING_CATEGORY(lcProgressBar, "pellucor.controls.progressbar", QtInfoMsg)

// A control the form does not size: 4500 x 300 twips.
constexpr int DefaultWidthPixels = 300;
constexpr int DefaultHeightPixels = 20;

// Keys and defaults of the store, in the order they are written.
const QString KeyBackColor = QStringLiteral("BackColor");
const QString KeyBorderColor = QStringLiteral("BorderColor");
const QString KeyForeColor = QStringLiteral("ForeColor");
const QString KeyMax = QStringLiteral("Max");
const QString KeyValue = QStringLiteral("Value");
const QString KeyResolution = QStringLiteral("Resolution");
const QString KeyOrientation = QStringLiteral("Orientation");
const PropertyValue DefaultBackColor = PropertyValue::Int32(0x00FFFFFF);
const PropertyValue DefaultBorderColor = PropertyValue::Int32(OleColorBits(SystemColor::ButtonText));
const PropertyValue DefaultForeColor = PropertyValue::Int32(0x000000FF);
const PropertyValue DefaultMax = PropertyValue::Int16(100);
const PropertyValue DefaultValue = PropertyValue::Int16(0);
const PropertyValue DefaultResolution = PropertyValue::Int16(50);
const PropertyValue DefaultOrientation = PropertyValue::Int16(0);

// Quotients as the form's arithmetic gives them: a division by zero or a result beyond the
// double range is an error, never an infinity that would travel on into the layout.
double Quotient(double dividend, double divisor) {
    if (divisor == 0.0)
        throw dividend == 0.0 || std::isnan(dividend) ? AppError::Overflow() : AppError::DivisionByZero();
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        throw AppError::Overflow();
    return quotient;
}

float ToSingle(double value) {
    if (!(std::fabs(value) < FloatRoundingLimit))
        throw AppError::Overflow();
    return static_cast<float>(value);
}

// A float parameter passed as a double: infinities and NaN pass, finite values beyond the
// float range overflow.
float ToSingleOrInfinite(double value) { return std::isfinite(value) ? ToSingle(value) : static_cast<float>(value); }

// The relative change of Value. An infinite change (from or to an infinite Value) is a change
// larger than any threshold, not a failure; only a Max of 0 makes it uncomputable.
float RelativeChange(float from, float to, float max) {
    const double difference = std::fabs(static_cast<double>(to) - static_cast<double>(from));
    if (max == 0.0f)
        throw difference == 0.0 || std::isnan(difference) ? AppError::Overflow() : AppError::DivisionByZero();
    const double change = difference / static_cast<double>(max);
    if (std::isnan(change) || std::fabs(change) < FloatRoundingLimit)
        return static_cast<float>(change);
    return change > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
}

OleColor ReadColor(const PropertyBag& bag, const QString& key, const PropertyValue& defaultValue) {
    const OleColor color = OleColorFromBits(bag.ReadProperty(key, defaultValue).ToInt32());
    CheckOleColor(color);
    return color;
}

// The error trap of the validating setters: whatever failed, the setter ends with a normal
// return and the error is dropped. The debug log is the only trace.
void DropError(const char* property) {
    PendingError error;
    error.CatchCurrent();
    qCDebug(lcProgressBar, "%s not set: error %d: %s", property, error.Number, error.Description.c_str());
}

}  // namespace

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), defaultHost_(this), host_(&defaultHost_), shpBorder_(this), shpBar_(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);

    shpBorder_.SetWidth(DefaultWidthPixels * TwipsPerPixel);
    shpBorder_.SetHeight(DefaultHeightPixels * TwipsPerPixel);
    shpBorder_.SetBackColor(SystemColor::ButtonFace);
    shpBorder_.SetBackStyle(ShapeBackStyle::Transparent);
    shpBorder_.SetBorderColor(SystemColor::ButtonText);
    shpBorder_.SetBorderStyle(ShapeBorderStyle::InsideSolid);
    shpBorder_.SetFillColor(SystemColor::ButtonText);
    shpBorder_.SetFillStyle(ShapeFillStyle::Transparent);

    shpBar_.SetWidth(2000.0f);
    shpBar_.SetHeight(DefaultHeightPixels * TwipsPerPixel);
    shpBar_.SetBackColor(SystemColor::ButtonHighlight);
    shpBar_.SetBackStyle(ShapeBackStyle::Opaque);
    shpBar_.SetBorderColor(SystemColor::ButtonHighlight);
    shpBar_.SetBorderStyle(ShapeBorderStyle::Transparent);
    shpBar_.SetFillColor(SystemColor::ButtonFace);
    shpBar_.SetFillStyle(ShapeFillStyle::DiagonalCross);

    resize(DefaultWidthPixels, DefaultHeightPixels);
    InitProperties();
}

void ProgressBar::SetHost(ControlHost* host) noexcept { host_ = host ? host : &defaultHost_; }

void ProgressBar::SetDesignMode(bool designMode) noexcept {
    designMode_ = designMode;
    defaultHost_.SetUserMode(!designMode && shown_);
}

bool ProgressBar::BeingBuilt() const noexcept { return host_ == &defaultHost_ && !designMode_ && !shown_; }

// The property system's writers: each runs the setter and drops whatever it refuses, so that
// a form, a form loader or Designer meets a normal return and the control as it was.
void ProgressBar::setOrientation(int New_Orientation) noexcept {
    try {
        SetOrientation(New_Orientation);
    } catch (...) {
        DropError("Orientation");
    }
}

void ProgressBar::setBackColor(uint New_BackColor) noexcept {
    try {
        SetBackColor(New_BackColor);
    } catch (...) {
        DropError("BackColor");
    }
}

void ProgressBar::setBorderColor(uint New_BorderColor) noexcept {
    try {
        SetBorderColor(New_BorderColor);
    } catch (...) {
        DropError("BorderColor");
    }
}

void ProgressBar::setForeColor(uint New_ForeColor) noexcept {
    try {
        SetForeColor(New_ForeColor);
    } catch (...) {
        DropError("ForeColor");
    }
}

void ProgressBar::setResolution(int New_Resolution) noexcept {
    try {
        // A form that is still building the control has nobody to show the box to.
        if (New_Resolution < -1 && BeingBuilt()) {
            throw AppError(ErrorNumber::ResolutionBelowMinusOne, "Resolution: Value must be greater than or equal to -1.");
        }
        SetResolution(New_Resolution);
    } catch (...) {
        DropError("Resolution");
    }
}

void ProgressBar::setMax(double New_Max) noexcept {
    try {
        SetMax(ToSingleOrInfinite(New_Max));
    } catch (...) {
        DropError("Max");
    }
}

void ProgressBar::setValue(double New_Value) noexcept {
    try {
        SetValue(ToSingleOrInfinite(New_Value));
    } catch (...) {
        DropError("Value");
    }
}

void ProgressBar::ResetOrientation() noexcept { setOrientation(DefaultOrientation.ToInt32()); }
void ProgressBar::ResetBackColor() noexcept { setBackColor(OleColorFromBits(DefaultBackColor.ToInt32())); }
void ProgressBar::ResetBorderColor() noexcept { setBorderColor(OleColorFromBits(DefaultBorderColor.ToInt32())); }
void ProgressBar::ResetForeColor() noexcept { setForeColor(OleColorFromBits(DefaultForeColor.ToInt32())); }
void ProgressBar::ResetResolution() noexcept { setResolution(DefaultResolution.ToInt32()); }
void ProgressBar::ResetMax() noexcept { setMax(DefaultMax.ToFloat32()); }
void ProgressBar::ResetValue() noexcept { setValue(DefaultValue.ToFloat32()); }

void ProgressBar::SetOrientation(int New_Orientation) {
    if (host_->UserMode())
        throw AppError::PropertyNotSettableAtRunTime();
    try {
        if (New_Orientation != 0 && New_Orientation != 1)
            throw AppError(ErrorNumber::InvalidPropertyValue, "Orientation = 0 or 1. Other value is not accepted.");
        orientation_ = New_Orientation;
        emit PropertyChanged(KeyOrientation);
    } catch (...) {
        DropError("Orientation");
    }
}

void ProgressBar::SetBackColor(OleColor New_BackColor) {
    CheckOleColor(New_BackColor);
    backColor_ = New_BackColor;
    shpBar_.SetFillColor(New_BackColor);
    update();
    emit PropertyChanged(KeyBackColor);
}

void ProgressBar::SetBorderColor(OleColor New_BorderColor) {
    shpBorder_.SetBorderColor(New_BorderColor);
    update();
    emit PropertyChanged(KeyBorderColor);
}

void ProgressBar::SetForeColor(OleColor New_ForeColor) {
    shpBar_.SetBackColor(New_ForeColor);
    shpBar_.Refresh();
    emit PropertyChanged(KeyForeColor);
}

void ProgressBar::SetResolution(int New_Resolution) {
    try {
        if (New_Resolution < -1) {
            host_->MsgBox("Value must be greater than or equal to -1.", MsgBoxStyle::OkOnly | MsgBoxStyle::Critical);
            throw AppError(ErrorNumber::ResolutionBelowMinusOne, "Resolution: Value must be greater than or equal to -1.");
        }
        resolution_ = New_Resolution;
        emit PropertyChanged(KeyResolution);
    } catch (...) {
        DropError("Resolution");
    }
}

void ProgressBar::SetMax(float New_Max) {
    try {
        if (!(New_Max > 0.0f))
            throw AppError(ErrorNumber::MaxNotPositive, "Value of Max must be >0");
        max_ = New_Max;
        emit PropertyChanged(KeyMax);
    } catch (...) {
        DropError("Max");
    }
}

void ProgressBar::SetValue(float New_Value) {
    try {
        const int resolution = Resolution();
        const float change = RelativeChange(value_, New_Value, max_);
        const float threshold = ToSingle(Quotient(1.0, resolution));
        if (!(change > threshold))
            return;
        value_ = New_Value;
        ValueChangeStep();
        emit PropertyChanged(KeyValue);
    } catch (...) {
        DropError("Value");
    }
}

void ProgressBar::InitProperties() {
    max_ = 100.0f;
    value_ = 0.0f;
    resolution_ = 50;
    orientation_ = 0;
}

void ProgressBar::ReadProperties(const PropertyBag& PropBag) {
    // Every entry is converted before any is applied, so an entry that cannot be converted
    // leaves the control as it was rather than half loaded.
    const OleColor backColor = ReadColor(PropBag, KeyBackColor, DefaultBackColor);
    const OleColor borderColor = ReadColor(PropBag, KeyBorderColor, DefaultBorderColor);
    const OleColor foreColor = ReadColor(PropBag, KeyForeColor, DefaultForeColor);
    const float max = PropBag.ReadProperty(KeyMax, DefaultMax).ToFloat32();
    const float value = PropBag.ReadProperty(KeyValue, DefaultValue).ToFloat32();
    const int resolution = PropBag.ReadProperty(KeyResolution, DefaultResolution).ToInt32();
    const int orientation = PropBag.ReadProperty(KeyOrientation, DefaultOrientation).ToInt32();
    const OleColor barFillColor = ReadColor(PropBag, KeyBackColor, DefaultBackColor);

    backColor_ = backColor;
    shpBorder_.SetBorderColor(borderColor);
    shpBar_.SetBackColor(foreColor);
    max_ = max;
    value_ = value;
    resolution_ = resolution;
    orientation_ = orientation;
    shpBar_.SetFillColor(barFillColor);
    // The colours changed whatever the layout does next, and a failed layout keeps the bar's
    // last geometry, which is then painted whole.
    update();
    LoadStep();
}

void ProgressBar::WriteProperties(PropertyBag& PropBag) const {
    PropBag.WriteProperty(KeyBackColor, PropertyValue::Int32(OleColorBits(BackColor())), DefaultBackColor);
    PropBag.WriteProperty(KeyBorderColor, PropertyValue::Int32(OleColorBits(BorderColor())), DefaultBorderColor);
    PropBag.WriteProperty(KeyForeColor, PropertyValue::Int32(OleColorBits(ForeColor())), DefaultForeColor);
    PropBag.WriteProperty(KeyMax, PropertyValue::Float32(max_), DefaultMax);
    PropBag.WriteProperty(KeyValue, PropertyValue::Float32(value_), DefaultValue);
    PropBag.WriteProperty(KeyResolution, PropertyValue::Int32(resolution_), DefaultResolution);
    PropBag.WriteProperty(KeyOrientation, PropertyValue::Int32(orientation_), DefaultOrientation);
}

void ProgressBar::Resize() {
    // Each step runs even when one before it failed, so a bar whose length cannot be computed
    // (Max 0) still gets its thickness and the frame still follows the control.
    const auto step = [](auto&& action) {
        try {
            action();
        } catch (...) {
            PendingError dropped;
            dropped.CatchCurrent();
        }
    };
    const float width = ControlWidth();
    const float height = ControlHeight();
    if (orientation_ == 0) {
        step([&] { shpBar_.SetWidth(BarLength(width)); });
        step([&] { shpBar_.SetHeight(height); });
        step([&] { shpBar_.SetTop(0.0f); });
    } else {
        step([&] { shpBar_.SetHeight(BarLength(height)); });
        step([&] { shpBar_.SetTop(height - shpBar_.Height()); });
        step([&] { shpBar_.SetWidth(width); });
    }
    step([&] { shpBorder_.SetWidth(width); });
    step([&] { shpBorder_.SetHeight(height); });
}

QSize ProgressBar::sizeHint() const { return {DefaultWidthPixels, DefaultHeightPixels}; }

void ProgressBar::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(backColor_, palette()));
    // The frame's inside is transparent, so it goes on top without hiding the bar.
    shpBar_.Paint(painter);
    shpBorder_.Paint(painter);
}

void ProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Resize();
}

void ProgressBar::showEvent(QShowEvent* event) {
    shown_ = true;
    defaultHost_.SetUserMode(!designMode_);
    QWidget::showEvent(event);
}

float ProgressBar::ControlWidth() const { return static_cast<float>(width()) * TwipsPerPixel; }

float ProgressBar::ControlHeight() const { return static_cast<float>(height()) * TwipsPerPixel; }

float ProgressBar::BarLength(float extent) const {
    const double fraction = Quotient(value_, max_);
    const double length = fraction * static_cast<double>(extent);
    if (!std::isfinite(length))
        throw AppError::Overflow();
    return ToSingle(length);
}

void ProgressBar::ValueChangeStep() {
    if (orientation_ == 0) {
        shpBar_.SetWidth(BarLength(ControlWidth()));
    } else {
        const float height = ControlHeight();
        shpBar_.SetHeight(BarLength(height));
        shpBar_.SetTop(height - shpBar_.Height());
    }
    shpBar_.Refresh();
}

void ProgressBar::LoadStep() {
    const float width = ControlWidth();
    const float height = ControlHeight();
    if (orientation_ == 0) {
        shpBar_.SetWidth(BarLength(width));
        shpBar_.SetHeight(height);
        // A bar loaded again after it was laid out vertically would keep that top otherwise.
        shpBar_.SetTop(0.0f);
    } else {
        shpBar_.SetHeight(BarLength(height));
        shpBar_.SetTop(height - shpBar_.Height());
        shpBar_.SetWidth(width);
    }
    shpBar_.Refresh();
}

}  // namespace pellucor
