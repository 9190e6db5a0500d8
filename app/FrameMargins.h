// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QMargins>

class QWidget;

namespace pellucor {

// The frame (title bar and borders) the window manager will put around a window that is not
// shown yet, so the whole window can be placed before it appears. Zero where the platform
// cannot tell in advance.
QMargins ExpectedFrameMargins(QWidget& window);

}  // namespace pellucor
