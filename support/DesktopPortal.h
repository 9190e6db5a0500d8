// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The XDG desktop portal's application chooser, reached over the D-Bus session bus.

#include "Shell.h"

#include <QString>

#include <cstdint>
#include <string>

namespace pellucor {

// The portal's handle for the window that owns the chooser: "x11:" and the X window id in
// hexadecimal on X11; empty (no parent) for window 0 and on platforms whose ids mean nothing
// to the portal.
QString PortalParentWindow(std::int32_t ownerWindow, const QString& platformName);
QString PortalParentWindow(std::int32_t ownerWindow);

// Asks the portal to let the user choose the program for the address, and returns at once.
// The outcome comes to done from the event loop, once, in the execute service's codes: success
// once a program was chosen; Cancelled when the user dismisses the chooser; failure when there
// is no session bus or no portal, or the portal refuses, or no answer came within deadlineMs of
// this call. At the deadline a chooser still open is closed, and an answer that comes later is
// dropped. The deadline leaves time to look through the chooser's list.
void AskPortalToChoose(const QString& parentWindow, const std::string& address, ShellDone done,
                       int deadlineMs = 120000);

}  // namespace pellucor
