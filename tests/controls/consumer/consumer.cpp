// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Places a ProgressBar, sets its seven properties, saves and loads them, and checks the drawing,
// all through the installed headers and library.
#include <pellucor/AppError.h>
#include <pellucor/ProgressBar.h>
#include <pellucor/PropertyBag.h>

#include "ui_frmPlaced.h"

#include <QApplication>
#include <QImage>

#include <cstdio>

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget form;
    form.resize(240, 60);
    auto* bar = new pellucor::ProgressBar(&form);
    bar->setGeometry(10, 20, 200, 20);

    bar->setOrientation(0);
    bar->setBackColor(0x00FFFFFF);
    bar->setBorderColor(0x00FF0000);
    bar->setForeColor(0x000000FF);
    bar->setResolution(-1);
    bar->setMax(40.0f);
    bar->setValue(10.0f);

    pellucor::PropertyBag saved;
    bar->WriteProperties(saved);
    pellucor::PropertyBag loaded;
    QString error;
    Check(loaded.Load(saved.Save(), &error), "the saved store loads");

    pellucor::ProgressBar copy;
    copy.resize(200, 20);
    copy.ReadProperties(loaded);
    Check(copy.Orientation() == 0 && copy.BackColor() == 0x00FFFFFFu && copy.BorderColor() == 0x00FF0000u &&
              copy.ForeColor() == 0x000000FFu && copy.Resolution() == -1 && copy.Max() == 40.0f &&
              copy.Value() == 10.0f,
          "the loaded bar has the saved properties");

    // A quarter of 200 pixels: red or white hatch inside a blue frame on a white background.
    const QImage image = bar->grab().toImage();
    Check(image.pixel(0, 0) == qRgb(0, 0, 255) && image.pixel(199, 19) == qRgb(0, 0, 255), "the frame is blue");
    Check(image.pixel(100, 10) == qRgb(255, 255, 255), "the background is white");
    int red = 0;
    for (int x = 1; x < 50; ++x)
        red += image.pixel(x, 10) == qRgb(255, 0, 0);
    Check(red > 25, "the bar is red");
    Check(image.pixel(60, 10) == qRgb(255, 255, 255), "the bar ends at a quarter");

    // A form Qt Designer saved: its bar stores exactly the entries the form holds.
    QWidget placedForm;
    Ui::frmPlaced placed;
    placed.setupUi(&placedForm);
    pellucor::PropertyBag fromForm;
    placed.ctlProgress->WriteProperties(fromForm);
    Check(fromForm.Keys() == QStringList({"BackColor", "ForeColor", "Value", "Resolution", "Orientation"}) &&
              placed.ctlProgress->Orientation() == 1 && placed.ctlProgress->Value() == 60.0f,
          "the form Designer saved gives back its bar");

    // The library's errors reach its caller with their numbers.
    form.show();
    int number = 0;
    try {
        bar->SetOrientation(1);
    } catch (const pellucor::AppError& e) {
        number = e.Number();
    }
    Check(number == 382, "Orientation at run time fails with error 382");
    Check(bar->setProperty("Orientation", 1) && bar->Orientation() == 0, "setProperty refuses it quietly");

    std::printf("%s\n", failures == 0 ? "consumer: all checks passed" : "consumer: checks failed");
    return failures == 0 ? 0 : 1;
}
