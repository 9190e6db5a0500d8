// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A progress bar drawn from two rectangles: shpBorder, a one-pixel frame over the whole
// control, and shpBar, a hatched bar growing from the left edge (Orientation 0) or from the
// bottom edge (any other Orientation) to Value / Max of the control's length.
//
// A Designer form places it as a custom widget and sets its properties; the properties it sets
// in setupUi are design data, and run mode starts when the control is first shown (unless the
// form supplies its own ControlHost, or the control was marked as being designed). A form that
// keeps its controls' settings calls WriteProperties / ReadProperties with a PropertyBag.
//
// Setters of Orientation, Resolution, Max and Value end quietly when they refuse a value or a
// step fails; only Orientation set in run mode throws (AppError 382). The colour setters throw
// AppError 380 for a colour that cannot be drawn. ReadProperties throws to the form when an
// entry cannot be converted or the bar cannot be laid out.
//
// Through Qt's property system (setProperty, setupUi, a form loader, Designer's property
// editor) nothing throws: a value the setter would refuse leaves the control as it was.

#include "AppError.h"
#include "ControlHost.h"
#include "ControlsExport.h"
#include "OleColor.h"
#include "PropertyBag.h"
#include "QtControlHost.h"
#include "Shape.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace pellucor {

class ProgressBarPrivate;

class PELLUCOR_CONTROLS_EXPORT ProgressBar : public QWidget {
    Q_OBJECT
    // Resetting a property gives it the property store's default.
    // Max and Value are floats held in doubles here: Qt's form loader reads no float property.
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation RESET ResetOrientation)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor RESET ResetBackColor)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor RESET ResetBorderColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor RESET ResetForeColor)
    Q_PROPERTY(int Resolution READ Resolution WRITE setResolution RESET ResetResolution)
    Q_PROPERTY(double Max READ Max WRITE setMax RESET ResetMax)
    Q_PROPERTY(double Value READ Value WRITE setValue RESET ResetValue)

public:
    explicit ProgressBar(QWidget* parent = nullptr);
    ~ProgressBar() override;

    // The form's services; nullptr goes back to the built-in one. Not owned.
    void SetHost(ControlHost* host) noexcept;

    // Marks the control as placed on a form that is being designed (Qt Designer's plugin does):
    // the built-in host then stays in design mode however often the control is shown, so
    // Orientation stays settable.
    void SetDesignMode(bool designMode) noexcept;
    bool DesignMode() const noexcept;

    // The component's own setters. SetOrientation throws AppError 382 in run mode, the colour
    // setters AppError 380 for a colour that cannot be drawn; the others end quietly.
    int Orientation() const noexcept;
    void SetOrientation(int New_Orientation);
    OleColor BackColor() const noexcept;
    void SetBackColor(OleColor New_BackColor);
    OleColor BorderColor() const noexcept;
    void SetBorderColor(OleColor New_BorderColor);
    OleColor ForeColor() const noexcept;
    void SetForeColor(OleColor New_ForeColor);
    int Resolution() const noexcept;
    void SetResolution(int New_Resolution);
    float Max() const noexcept;
    void SetMax(float New_Max);
    float Value() const noexcept;
    void SetValue(float New_Value);

    // Qt's setters, which the property system, setupUi and Designer call: they never throw, and
    // a value the component's setter refuses leaves the control as it was. A Resolution below
    // -1 shows its message box only once someone can see it (Designer, or a control shown).
    // Max and Value beyond the float range are refused.
    void setOrientation(int New_Orientation) noexcept;
    void setBackColor(uint New_BackColor) noexcept;
    void setBorderColor(uint New_BorderColor) noexcept;
    void setForeColor(uint New_ForeColor) noexcept;
    void setResolution(int New_Resolution) noexcept;
    void setMax(double New_Max) noexcept;
    void setValue(double New_Value) noexcept;

    // Lifecycle, as the form drives it. The constructor runs InitProperties itself, since a
    // Designer form only constructs its controls.
    void InitProperties();
    void ReadProperties(const PropertyBag& PropBag);
    void WriteProperties(PropertyBag& PropBag) const;
    void Resize();

    const Shape& shpBorder() const noexcept;
    const Shape& shpBar() const noexcept;

    QSize sizeHint() const override;

signals:
    // The stored data changed; carries the property's name, such as "Value".
    void PropertyChanged(const QString& propertyName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ResetOrientation() noexcept;
    void ResetBackColor() noexcept;
    void ResetBorderColor() noexcept;
    void ResetForeColor() noexcept;
    void ResetResolution() noexcept;
    void ResetMax() noexcept;
    void ResetValue() noexcept;

    // Everything else the control keeps lives here, so that it can change without changing
    // the size or layout of this class in programs built against the library.
    friend class ProgressBarPrivate;
    const std::unique_ptr<ProgressBarPrivate> d;
};

}  // namespace pellucor
