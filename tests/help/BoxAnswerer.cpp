// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace pellucor::testing {

BoxAnswerer::BoxAnswerer(std::deque<BoxAction> script) : script_(std::move(script)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Poll);
    timer_.start();
}

void BoxAnswerer::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    QPushButton* def = box->defaultButton();
    seen.push_back(
        {box->text(), box->icon(), box->standardButtons(), def ? box->standardButton(def) : QMessageBox::NoButton});
    if (script_.empty()) {
        ++unexpected;
        box->close();
        return;
    }
    const BoxAction action = script_.front();
    script_.pop_front();
    if (action.press == QMessageBox::NoButton)
        box->close();
    else if (QAbstractButton* button = box->button(action.press))
        button->click();
    else
        box->close();
}

}  // namespace pellucor::testing
