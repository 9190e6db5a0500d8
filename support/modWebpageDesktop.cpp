// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// OpenWebPage wired to the running desktop.

#include "modWebpage.h"

#include "QtClipboard.h"
#include "QtMessageBox.h"

#include <QWidget>

#include <memory>
#include <utility>

namespace pellucor {

namespace {

// Windows sign-extends its 32-bit window handles to pointer width; X11 window ids are unsigned.
WId WindowId(std::int32_t ownerWindow) {
#ifdef _WIN32
    return static_cast<WId>(static_cast<std::intptr_t>(ownerWindow));
#else
    return static_cast<WId>(static_cast<std::uint32_t>(ownerWindow));
#endif
}

// What one request uses; it lives as long as the request does.
struct DesktopServices {
    explicit DesktopServices(QWidget* owner) : boxes(owner), shell(MakeSystemShell()) {}
    QtMessageBoxHost boxes;
    QtClipboard clipboard;
    std::unique_ptr<Shell> shell;
};

}  // namespace

void OpenWebPage(const std::string& address, std::int32_t ownerWindow, bool confirm,
                 std::function<void()> finished) noexcept {
    try {
        QWidget* owner = ownerWindow != 0 ? QWidget::find(WindowId(ownerWindow)) : nullptr;
        auto services = std::make_shared<DesktopServices>(owner);
        OpenWebPage(services->boxes, *services->shell, services->clipboard, address, ownerWindow, confirm,
                    [services, finished = std::move(finished)] {
                        if (finished) finished();
                    });
    } catch (...) {
        // Nothing of the help path is ever reported to the user as an error.
    }
}

}  // namespace pellucor
