// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ProgressBar.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>
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

class ProgressBarPrivate {
public:
    explicit ProgressBarPrivate(ProgressBar* q) : q(q), defaultHost(q), host(&defaultHost), shpBorder(q), shpBar(q) {}

    // True while a form builds the control at run time, before anyone can see it.
    bool BeingBuilt() const noexcept { return host == &defaultHost && !designMode && !shown; }

    float ControlWidth() const;
    float ControlHeight() const;
    float BarLength(float extent) const;
    void ValueChangeStep();
    void LoadStep();

    ProgressBar* const q;
    QtControlHost defaultHost;
    ControlHost* host;
    Shape shpBorder;
    Shape shpBar;
    OleColor backColor = SystemColor::ButtonFace;
    int orientation = 0;
    int resolution = 0;
    float max = 0.0f;
    float value = 0.0f;
    bool designMode = false;
    bool shown = false;
};

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), d(std::make_unique<ProgressBarPrivate>(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);

    d->shpBorder.SetWidth(DefaultWidthPixels * TwipsPerPixel);
    d->shpBorder.SetHeight(DefaultHeightPixels * TwipsPerPixel);
    d->shpBorder.SetBackColor(SystemColor::ButtonFace);
    d->shpBorder.SetBackStyle(ShapeBackStyle::Transparent);
    d->shpBorder.SetBorderColor(SystemColor::ButtonText);
    d->shpBorder.SetBorderStyle(ShapeBorderStyle::InsideSolid);
    d->shpBorder.SetFillColor(SystemColor::ButtonText);
    d->shpBorder.SetFillStyle(ShapeFillStyle::Transparent);

    d->shpBar.SetWidth(2000.0f);
    d->shpBar.SetHeight(DefaultHeightPixels * TwipsPerPixel);
    d->shpBar.SetBackColor(SystemColor::ButtonHighlight);
    d->shpBar.SetBackStyle(ShapeBackStyle::Opaque);
    d->shpBar.SetBorderColor(SystemColor::ButtonHighlight);
    d->shpBar.SetBorderStyle(ShapeBorderStyle::Transparent);
    d->shpBar.SetFillColor(SystemColor::ButtonFace);
    d->shpBar.SetFillStyle(ShapeFillStyle::DiagonalCross);

    resize(DefaultWidthPixels, DefaultHeightPixels);
    InitProperties();
}

ProgressBar::~ProgressBar() = default;

void ProgressBar::SetHost(ControlHost* host) noexcept { d->host = host ? host : &d->defaultHost; }

void ProgressBar::SetDesignMode(bool designMode) noexcept {
    d->designMode = designMode;
    d->defaultHost.SetUserMode(!designMode && d->shown);
}

bool ProgressBar::DesignMode() const noexcept { return d->designMode; }
int ProgressBar::Orientation() const noexcept { return d->orientation; }
OleColor ProgressBar::BackColor() const noexcept { return d->backColor; }
OleColor ProgressBar::BorderColor() const noexcept { return d->shpBorder.BorderColor(); }
OleColor ProgressBar::ForeColor() const noexcept { return d->shpBar.BackColor(); }
int ProgressBar::Resolution() const noexcept { return d->resolution; }
float ProgressBar::Max() const noexcept { return d->max; }
float ProgressBar::Value() const noexcept { return d->value; }
const Shape& ProgressBar::shpBorder() const noexcept { return d->shpBorder; }
const Shape& ProgressBar::shpBar() const noexcept { return d->shpBar; }

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
        if (New_Resolution < -1 && d->BeingBuilt()) {
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
    if (d->host->UserMode())
        throw AppError::PropertyNotSettableAtRunTime();
    try {
        if (New_Orientation != 0 && New_Orientation != 1)
            throw AppError(ErrorNumber::InvalidPropertyValue, "Orientation = 0 or 1. Other value is not accepted.");
        d->orientation = New_Orientation;
        emit PropertyChanged(KeyOrientation);
    } catch (...) {
        DropError("Orientation");
    }
}

void ProgressBar::SetBackColor(OleColor New_BackColor) {
    CheckOleColor(New_BackColor);
    d->backColor = New_BackColor;
    d->shpBar.SetFillColor(New_BackColor);
    update();
    emit PropertyChanged(KeyBackColor);
}

void ProgressBar::SetBorderColor(OleColor New_BorderColor) {
    d->shpBorder.SetBorderColor(New_BorderColor);
    update();
    emit PropertyChanged(KeyBorderColor);
}

void ProgressBar::SetForeColor(OleColor New_ForeColor) {
    d->shpBar.SetBackColor(New_ForeColor);
    d->shpBar.Refresh();
    emit PropertyChanged(KeyForeColor);
}

void ProgressBar::SetResolution(int New_Resolution) {
    try {
        if (New_Resolution < -1) {
            d->host->MsgBox(
                QCoreApplication::translate("ProgressBar", "Value must be greater than or equal to -1.").toStdString(),
                MsgBoxStyle::OkOnly | MsgBoxStyle::Critical);
            throw AppError(ErrorNumber::ResolutionBelowMinusOne, "Resolution: Value must be greater than or equal to -1.");
        }
        d->resolution = New_Resolution;
        emit PropertyChanged(KeyResolution);
    } catch (...) {
        DropError("Resolution");
    }
}

void ProgressBar::SetMax(float New_Max) {
    try {
        if (!(New_Max > 0.0f))
            throw AppError(ErrorNumber::MaxNotPositive, "Value of Max must be >0");
        d->max = New_Max;
        emit PropertyChanged(KeyMax);
    } catch (...) {
        DropError("Max");
    }
}

void ProgressBar::SetValue(float New_Value) {
    try {
        const int resolution = Resolution();
        const float change = RelativeChange(d->value, New_Value, d->max);
        const float threshold = ToSingle(Quotient(1.0, resolution));
        if (!(change > threshold))
            return;
        d->value = New_Value;
        d->ValueChangeStep();
        emit PropertyChanged(KeyValue);
    } catch (...) {
        DropError("Value");
    }
}

void ProgressBar::InitProperties() {
    d->max = 100.0f;
    d->value = 0.0f;
    d->resolution = 50;
    d->orientation = 0;
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

    d->backColor = backColor;
    d->shpBorder.SetBorderColor(borderColor);
    d->shpBar.SetBackColor(foreColor);
    d->max = max;
    d->value = value;
    d->resolution = resolution;
    d->orientation = orientation;
    d->shpBar.SetFillColor(barFillColor);
    // The colours changed whatever the layout does next, and a failed layout keeps the bar's
    // last geometry, which is then painted whole.
    update();
    d->LoadStep();
}

void ProgressBar::WriteProperties(PropertyBag& PropBag) const {
    PropBag.WriteProperty(KeyBackColor, PropertyValue::Int32(OleColorBits(BackColor())), DefaultBackColor);
    PropBag.WriteProperty(KeyBorderColor, PropertyValue::Int32(OleColorBits(BorderColor())), DefaultBorderColor);
    PropBag.WriteProperty(KeyForeColor, PropertyValue::Int32(OleColorBits(ForeColor())), DefaultForeColor);
    PropBag.WriteProperty(KeyMax, PropertyValue::Float32(d->max), DefaultMax);
    PropBag.WriteProperty(KeyValue, PropertyValue::Float32(d->value), DefaultValue);
    PropBag.WriteProperty(KeyResolution, PropertyValue::Int32(d->resolution), DefaultResolution);
    PropBag.WriteProperty(KeyOrientation, PropertyValue::Int32(d->orientation), DefaultOrientation);
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
    const float width = d->ControlWidth();
    const float height = d->ControlHeight();
    if (d->orientation == 0) {
        step([&] { d->shpBar.SetWidth(d->BarLength(width)); });
        step([&] { d->shpBar.SetHeight(height); });
        step([&] { d->shpBar.SetTop(0.0f); });
    } else {
        step([&] { d->shpBar.SetHeight(d->BarLength(height)); });
        step([&] { d->shpBar.SetTop(height - d->shpBar.Height()); });
        step([&] { d->shpBar.SetWidth(width); });
    }
    step([&] { d->shpBorder.SetWidth(width); });
    step([&] { d->shpBorder.SetHeight(height); });
}

QSize ProgressBar::sizeHint() const { return {DefaultWidthPixels, DefaultHeightPixels}; }

void ProgressBar::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(d->backColor, palette()));
    // The frame's inside is transparent, so it goes on top without hiding the bar.
    d->shpBar.Paint(painter);
    d->shpBorder.Paint(painter);
}

void ProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Resize();
}

void ProgressBar::showEvent(QShowEvent* event) {
    d->shown = true;
    d->defaultHost.SetUserMode(!d->designMode);
    QWidget::showEvent(event);
}

float ProgressBarPrivate::ControlWidth() const { return static_cast<float>(q->width()) * TwipsPerPixel; }

float ProgressBarPrivate::ControlHeight() const { return static_cast<float>(q->height()) * TwipsPerPixel; }

float ProgressBarPrivate::BarLength(float extent) const {
    const double fraction = Quotient(value, max);
    const double length = fraction * static_cast<double>(extent);
    if (!std::isfinite(length))
        throw AppError::Overflow();
    return ToSingle(length);
}

void ProgressBarPrivate::ValueChangeStep() {
    if (orientation == 0) {
        shpBar.SetWidth(BarLength(ControlWidth()));
    } else {
        const float height = ControlHeight();
        shpBar.SetHeight(BarLength(height));
        shpBar.SetTop(height - shpBar.Height());
    }
    shpBar.Refresh();
}

void ProgressBarPrivate::LoadStep() {
    const float width = ControlWidth();
    const float height = ControlHeight();
    if (orientation == 0) {
        shpBar.SetWidth(BarLength(width));
        shpBar.SetHeight(height);
        // A bar loaded again after it was laid out vertically would keep that top otherwise.
        shpBar.SetTop(0.0f);
    } else {
        shpBar.SetHeight(BarLength(height));
        shpBar.SetTop(height - shpBar.Height());
        shpBar.SetWidth(width);
    }
    shpBar.Refresh();
}

}  // namespace pellucor
