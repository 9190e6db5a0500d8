// OpenWebPage wired to the running desktop.

#include "modWebpage.h"

#include "QtClipboard.h"
#include "QtMessageBox.h"

#include <QWidget>

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

}  // namespace

void OpenWebPage(const std::string& address, std::int32_t ownerWindow, bool confirm) noexcept {
    try {
        QWidget* owner = ownerWindow != 0 ? QWidget::find(WindowId(ownerWindow)) : nullptr;
        QtMessageBoxHost boxes(owner);
        QtClipboard clipboard;
        const std::unique_ptr<Shell> shell = MakeSystemShell();
        OpenWebPage(boxes, *shell, clipboard, address, ownerWindow, confirm);
    } catch (...) {
        // Nothing of the help path is ever reported to the user as an error.
    }
}

}  // namespace pellucor
