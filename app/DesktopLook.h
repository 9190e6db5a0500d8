// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// Fits a window of fixed, hand-placed geometry to the desktop it opens on.
//
// Colours: the window's white surfaces are the theme's text-area pair (Base behind Text, as
// an application style sheet may restyle a line edit), white and black under a light theme,
// the user's own colours under a dark or high-contrast one; every text is drawn over the
// background of the same pair.
// Size: a desktop font larger than the one the form was drawn for is treated like a higher
// scale: every position, size and font of the window grows by the same factor, as far as the
// screen has room.
// Direction: in a right-to-left window every child sits at its mirrored place.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>

class QLabel;
class QWidget;

class DesktopLook : public QObject {
    Q_OBJECT

public:
    // The point size of the default font the form's geometry was laid out for.
    static constexpr double DesignedPoints = 9.0;

    // Fits the window at once, and again whenever its direction changes.
    explicit DesktopLook(QWidget& window);

    // How much larger than the designed size the window was made: 1 at the default font.
    qreal Scale() const { return scale_; }

    // The factor for a desktop font: never below 1, so smaller fonts keep the designed window.
    static qreal ScaleFor(const QFont& desktopFont, qreal logicalDpi);

    // A black-on-white picture redrawn in the window's text colour on its background.
    QImage InTextColours(const QImage& picture) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString StyleSheet(bool withFonts) const;
    void PlaceChildren();

    QWidget& window_;
    QSize designedSize_;
    QHash<QWidget*, QRect> designed_;       // every child's place in the form
    QHash<QWidget*, qreal> designedFonts_;  // the point sizes the form gives explicitly
    QHash<QLabel*, Qt::Alignment> designedAlignment_;
    qreal scale_ = 1.0;
    bool fontsCapped_ = false;  // the screen holds the window smaller than the desktop font asks
    QColor ink_ = Qt::black;
    QColor paper_ = Qt::white;
};
