// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The floor for start-up time and memory: an empty Qt window of Pellucor's size. Nothing a
// Qt Widgets program does can start faster or use less than this on the same machine.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(698, 439);
    window.show();
    return app.exec();
}
