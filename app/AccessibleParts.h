// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a screen reader meets in the window. Qt's default interfaces name a widget without a
// name of its own after the group box around it, so the caption-less button group and the
// vertical rule would both be read as "Variables", and they list hidden children too. The
// window's frames and its rule are these small subclasses, so that the interfaces below
// answer for them before Qt's own.

#include <QFrame>
#include <QGroupBox>

// A frame of the window: announced by its caption (or its accessible name), listing only
// the children a user can see.
class FrameGroup : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;
};

// A plain dividing line: a separator with no name.
class Rule : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;
};

namespace pellucor {

// Registers the interfaces for FrameGroup, Rule and the main window; calling it again does
// nothing.
void InstallAccessibleParts();

}  // namespace pellucor
