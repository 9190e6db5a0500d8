// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "AltLetterGuard.h"

#include <QKeyEvent>

AltLetterGuard::AltLetterGuard(QObject* parent) : QObject(parent) {}

bool AltLetterGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        const bool altAlone = (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
        if (altAlone && !key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
