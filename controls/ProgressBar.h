#pragma once
// A progress bar drawn from two rectangles: shpBorder, a one-pixel frame over the whole
// control, and shpBar, a hatched bar growing from the left edge (Orientation 0) or from the
// bottom edge (any other Orientation) to Value / Max of the control's length.
//
// A Designer form places it as a custom widget and sets its properties; the properties it sets
// in setupUi are design data, and run mode starts when the control is first shown (unless the
// form supplies its own ControlHost). A form that keeps its controls' settings calls
// WriteProperties / ReadProperties with a PropertyBag.
//
// Setters of Orientation, Resolution, Max and Value end quietly when they refuse a value or a
// step fails; only Orientation set in run mode throws (AppError 382). The colour setters throw
// AppError 380 for a colour that cannot be drawn. ReadProperties throws to the form when an
// entry cannot be converted or the bar cannot be laid out.

#include "ControlHost.h"
#include "OleColor.h"
#include "PropertyBag.h"
#include "QtControlHost.h"
#include "Shape.h"

#include <QString>
#include <QWidget>

namespace pellucor {

class ProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int Resolution READ Resolution WRITE setResolution)
    Q_PROPERTY(float Max READ Max WRITE setMax)
    Q_PROPERTY(float Value READ Value WRITE setValue)

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    // The form's services; nullptr goes back to the built-in one. Not owned.
    void SetHost(ControlHost* host) noexcept;

    int Orientation() const noexcept { return orientation_; }
    void setOrientation(int New_Orientation);
    OleColor BackColor() const noexcept { return backColor_; }
    void setBackColor(OleColor New_BackColor);
    OleColor BorderColor() const noexcept { return shpBorder_.BorderColor(); }
    void setBorderColor(OleColor New_BorderColor);
    OleColor ForeColor() const noexcept { return shpBar_.BackColor(); }
    void setForeColor(OleColor New_ForeColor);
    int Resolution() const noexcept { return resolution_; }
    void setResolution(int New_Resolution);
    float Max() const noexcept { return max_; }
    void setMax(float New_Max);
    float Value() const noexcept { return value_; }
    void setValue(float New_Value);

    // Lifecycle, as the form drives it. The constructor runs InitProperties itself, since a
    // Designer form only constructs its controls.
    void InitProperties();
    void ReadProperties(const PropertyBag& PropBag);
    void WriteProperties(PropertyBag& PropBag) const;
    void Resize();

    const Shape& shpBorder() const noexcept { return shpBorder_; }
    const Shape& shpBar() const noexcept { return shpBar_; }

    QSize sizeHint() const override;

signals:
    // The stored data changed; carries the property's name, such as "Value".
    void PropertyChanged(const QString& propertyName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    float ControlWidth() const;
    float ControlHeight() const;
    float BarLength(float extent) const;
    void ValueChangeStep();
    void LoadStep();

    QtControlHost defaultHost_;
    ControlHost* host_;
    Shape shpBorder_;
    Shape shpBar_;
    OleColor backColor_ = SystemColor::ButtonFace;
    int orientation_ = 0;
    int resolution_ = 0;
    float max_ = 0.0f;
    float value_ = 0.0f;
};

}  // namespace pellucor
