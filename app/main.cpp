#include "FrameMargins.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a core dump; say what is wrong instead.
bool DisplayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "pellucor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start Pellucor from a desktop session, or over ssh with X forwarding (ssh -X).\n");
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellucor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellucor"));
    QApplication::setApplicationVersion(QStringLiteral(PELLUCOR_DISPLAY_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("pellucor.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pellucor.Pellucor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellucor.svg")));
    frmMain window;
    // Centred is the whole window, title bar included; placed before it is shown, it never
    // jumps.
    // The window's position is then given as its client area's, which the manager keeps.
    if (const QScreen* screen = window.screen()) {
        const QMargins margins = pellucor::ExpectedFrameMargins(window);
        QRect frame = QRect(QPoint(), window.size()).marginsAdded(margins);
        frame.moveCenter(screen->availableGeometry().center());
        window.setGeometry(frame.marginsRemoved(margins));
    }
    window.show();
    window.FieldWidget(pellucor::Field::NPV)->setFocus(Qt::ActiveWindowFocusReason);
    return app.exec();
}
