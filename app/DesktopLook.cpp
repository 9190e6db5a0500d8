// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "DesktopLook.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Title bar and borders a window manager puts around the window.
constexpr QSize FrameRoom(16, 64);

int Scaled(int value, qreal scale) {
    return static_cast<int>(std::lround(value * scale));
}

// Both edges scaled, so neighbouring controls that touch in the form still touch.
QRect Scaled(const QRect& r, qreal scale) {
    const int left = Scaled(r.left(), scale);
    const int top = Scaled(r.top(), scale);
    return {left, top, Scaled(r.left() + r.width(), scale) - left, Scaled(r.top() + r.height(), scale) - top};
}

QString Css(const QColor& c) {
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

QList<QWidget*> Children(const QWidget& window) {
    QList<QWidget*> children;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isWindow())
            children.append(w);
    }
    return children;
}

}  // namespace

qreal DesktopLook::ScaleFor(const QFont& desktopFont, qreal logicalDpi) {
    qreal points = desktopFont.pointSizeF();
    if (points <= 0 && desktopFont.pixelSize() > 0)
        points = desktopFont.pixelSize() * 72.0 / logicalDpi;
    return std::max<qreal>(1.0, points / DesignedPoints);
}

DesktopLook::DesktopLook(QWidget& window) : QObject(&window), window_(window), designedSize_(window.size()) {
    for (QWidget* w : Children(window)) {
        designed_.insert(w, w->geometry());
        if (w->testAttribute(Qt::WA_SetFont) && w->font().pointSizeF() > 0)
            designedFonts_.insert(w, w->font().pointSizeF());
        if (auto* label = qobject_cast<QLabel*>(w))
            designedAlignment_.insert(label, label->alignment());
    }

    // The surfaces take the text-area pair: the white of the form under a light theme.
    QPalette surface = window.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        surface.setColor(group, QPalette::Window, surface.color(group, QPalette::Base));
        surface.setColor(group, QPalette::WindowText, surface.color(group, QPalette::Text));
    }
    window.setPalette(surface);
    paper_ = surface.color(QPalette::Base);
    ink_ = surface.color(QPalette::Text);
    QFont desktop = window.font();
    // An application style sheet may restyle the fields and set every font: what it gives a
    // plain field and button is the desktop's, and the window's own rules come after it.
    const bool appSheet = !qApp->styleSheet().isEmpty();
    if (appSheet) {
        window.setStyleSheet(StyleSheet(false));
        window.ensurePolished();
        if (const QLineEdit* field = window.findChild<QLineEdit*>()) {
            paper_ = field->palette().color(QPalette::Base);
            ink_ = field->palette().color(QPalette::Text);
        }
        if (const QPushButton* button = window.findChild<QPushButton*>())
            desktop = button->font();
    }
    scale_ = ScaleFor(desktop, window.logicalDpiY());
    // Part of a window larger than the screen could never be seen: on a small screen the
    // window, its fonts included, grows only as far as the screen leaves room for it.
    if (const QScreen* screen = window.screen(); screen != nullptr && scale_ > 1.0) {
        const QSize room = screen->availableGeometry().size() - FrameRoom;
        const qreal fit =
            std::min(qreal(room.width()) / designedSize_.width(), qreal(room.height()) / designedSize_.height());
        if (fit < scale_) {
            scale_ = std::max<qreal>(1.0, fit);
            fontsCapped_ = true;
        }
    }
    window.setStyleSheet(StyleSheet(scale_ != 1.0 || appSheet || fontsCapped_));
    window.ensurePolished();
    window.setFixedSize(Scaled(QRect(QPoint(), designedSize_), scale_).size());
    PlaceChildren();
    window.installEventFilter(this);
}

QImage DesktopLook::InTextColours(const QImage& picture) const {
    const QColor ink = ink_, paper = paper_;
    if (ink == Qt::black && paper == Qt::white)
        return picture;
    QList<QRgb> greys, colours;
    for (int v = 0; v < 256; ++v) {
        greys.append(qRgb(v, v, v));
        const auto mix = [v](int from, int to) { return from + (to - from) * v / 255; };
        colours.append(
            qRgb(mix(ink.red(), paper.red()), mix(ink.green(), paper.green()), mix(ink.blue(), paper.blue())));
    }
    QImage indexed = picture.convertToFormat(QImage::Format_Indexed8, greys);
    indexed.setColorTable(colours);
    indexed.setDevicePixelRatio(picture.devicePixelRatio());
    return indexed;
}

QString DesktopLook::StyleSheet(bool withFonts) const {
    // Frames with their caption on the border line; the button group has no caption. Every
    // text on a frame names its colour and its background from the same pair.
    QString sheet = QStringLiteral(
                        "QGroupBox { background-color: %3; color: %4;"
                        " border: 1px solid palette(mid); border-radius: 2px; margin-top: %1px; }"
                        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: %1px;"
                        " padding: 0 %2px; background-color: %3; color: %4; }"
                        "QGroupBox#Frame4 { margin-top: 0px; }"
                        "QGroupBox QLabel { background-color: %3; color: %4; }")
                        .arg(Scaled(7, scale_))
                        .arg(Scaled(2, scale_))
                        .arg(Css(paper_), Css(ink_));
    if (withFonts) {
        if (fontsCapped_)
            sheet += QStringLiteral("QWidget { font-size: %1pt; }").arg(DesignedPoints * scale_, 0, 'f', 2);
        for (auto it = designedFonts_.cbegin(); it != designedFonts_.cend(); ++it) {
            sheet += QStringLiteral("#%1 { font-size: %2pt; }")
                         .arg(it.key()->objectName())
                         .arg(it.value() * scale_, 0, 'f', 2);
        }
    }
    return sheet;
}

void DesktopLook::PlaceChildren() {
    const bool mirrored = window_.layoutDirection() == Qt::RightToLeft;
    for (auto it = designed_.cbegin(); it != designed_.cend(); ++it) {
        QWidget* w = it.key();
        QRect place = Scaled(it.value(), scale_);
        if (mirrored) {
            // Placed by hand, children are not mirrored by Qt as a layout's would be.
            QWidget* parent = w->parentWidget();
            const int parentWidth =
                parent == &window_ ? window_.width() : Scaled(designed_.value(parent), scale_).width();
            place.moveLeft(parentWidth - place.left() - place.width());
        }
        // The form's caption boxes are a little shorter than the font's line, which cut the
        // bottom of "(" and ")"; they may reach down into the free space below them.
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty())
            place.setHeight(std::max(place.height(), label->fontMetrics().height()));
        w->setGeometry(place);
    }
    // A label aligns by its own text's direction, so an English caption in a mirrored window
    // would stay at the far end of its box, away from its field.
    for (auto it = designedAlignment_.cbegin(); it != designedAlignment_.cend(); ++it) {
        Qt::Alignment alignment = it.value();
        if (mirrored && (alignment & (Qt::AlignLeft | Qt::AlignRight)) && !(alignment & Qt::AlignAbsolute))
            alignment ^= Qt::AlignLeft | Qt::AlignRight | Qt::AlignAbsolute;
        it.key()->setAlignment(alignment);
    }
}

bool DesktopLook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::LayoutDirectionChange)
        PlaceChildren();
    return QObject::eventFilter(watched, event);
}
