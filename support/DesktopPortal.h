#pragma once
// The XDG desktop portal's application chooser, reached over the D-Bus session bus.

#include <QString>

#include <cstdint>
#include <string>

namespace pellucor {

// The portal's handle for the window that owns the chooser: "x11:" and the X window id in
// hexadecimal on X11; empty (no parent) for window 0 and on platforms whose ids mean nothing
// to the portal.
QString PortalParentWindow(std::int32_t ownerWindow, const QString& platformName);
QString PortalParentWindow(std::int32_t ownerWindow);

// Asks the portal to let the user choose the program for the address, and answers in the
// execute service's codes. Fails at once, without waiting, where there is no session bus or
// no portal service is running or activatable. The chooser itself runs on without us.
std::int32_t AskPortalToChoose(const QString& parentWindow, const std::string& address, int timeoutMs = 5000);

}  // namespace pellucor
