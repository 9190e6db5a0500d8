// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The window has no access keys, so Alt with a letter or digit reaches the focused field as a
// plain key press, which a line edit would type ("Alt+C" typing "c" over the selected
// figure). Watching a field, this swallows such presses. AltGr (and Ctrl+Alt, its form on
// Windows) still types the characters it is there for.
class AltLetterGuard : public QObject {
    Q_OBJECT

public:
    explicit AltLetterGuard(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
