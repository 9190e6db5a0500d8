// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "QtControlHost.h"

#include "QtMessageBox.h"

#include <QString>

namespace pellucor {

int QtControlHost::MsgBox(const std::string& text, int style) {
    return ShowMessageBox(boxParent_, QString::fromStdString(text), style);
}

}  // namespace pellucor
