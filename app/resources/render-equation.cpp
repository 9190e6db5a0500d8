// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Renders equation.svg to the two pictures the window shows, equation.png (1x) and
// equation@2x.png, so that the program needs neither the SVG renderer nor the serif faces at
// start. Rebuild them after changing the SVG:
//   cmake --build build --target pellucor_render_equation
//   QT_QPA_PLATFORM=offscreen build/bin/pellucor_render_equation app/resources
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QSvgRenderer renderer(dir + QStringLiteral("/equation.svg"));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render-equation: cannot read %s/equation.svg\n", qPrintable(dir));
        return 1;
    }
    const QSize logical = renderer.defaultSize();
    for (int scale : {1, 2}) {
        // What the window used to draw at start: white, then the SVG over it.
        QImage picture(logical * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
        painter.end();
        // Black on white with grey edges: one byte a pixel holds it exactly; check that it does.
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        if (grey.convertToFormat(QImage::Format_RGB32) != picture) {
            std::fprintf(stderr, "render-equation: the picture is not grey\n");
            return 1;
        }
        const QString name = dir + (scale == 1 ? QStringLiteral("/equation.png") : QStringLiteral("/equation@2x.png"));
        if (!grey.save(name, "PNG", 9)) {
            std::fprintf(stderr, "render-equation: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
