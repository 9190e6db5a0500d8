// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Reads one of the program's own PNG resources with the built-in reader only. Left to guess,
// the image reader loads every image-format plugin to ask whether it knows the file, which
// costs start-up time and memory for pictures that are always PNG.

#include <QImage>
#include <QImageReader>
#include <QString>

inline QImage ReadPngResource(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
