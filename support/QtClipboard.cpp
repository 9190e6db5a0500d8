// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "QtClipboard.h"

#include "AppError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace pellucor {

namespace {

QClipboard& SystemClipboard() {
    QClipboard* clipboard = qGuiApp ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard) throw AppError(ErrorNumber::InvalidCall, "The clipboard cannot be reached");
    return *clipboard;
}

}  // namespace

void QtClipboard::Clear() {
    SystemClipboard().clear();
}

void QtClipboard::SetText(const std::string& text) {
    SystemClipboard().setText(QString::fromStdString(text));
}

}  // namespace pellucor
