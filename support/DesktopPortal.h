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
// The outcome comes to done from the event loop, in the execute service's codes: failure when
// there is no session bus or no portal, or the portal refuses or does not answer within
// timeoutMs; Cancelled when the user dismisses the chooser; success once a program was chosen.
// Nothing comes while the chooser stays open.
void AskPortalToChoose(const QString& parentWindow, const std::string& address, ShellDone done,
                       int timeoutMs = 25000);

}  // namespace pellucor
