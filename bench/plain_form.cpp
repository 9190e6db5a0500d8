// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The second floor: Pellucor's form exactly as designed (the same widgets, texts and fonts,
// built from app/frmMain.ui by uic), shown in a plain window with nothing of the program's
// own: no styling, no caption fitting, no picture, no locale handling. What this costs over
// the empty window is what any window showing this form pays for its text.
#include <QApplication>
#include <QGroupBox>

#include "ui_frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    Ui_frmMain ui;
    ui.setupUi(&window);
    window.setWindowTitle(QStringLiteral("Plain form"));
    window.show();
    return app.exec();
}
