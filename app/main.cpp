#include "Version.h"
#include "PngResource.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
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
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ReadPngResource(QStringLiteral(":/pellucor-32.png")))));
    frmMain window;
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.FieldWidget(pellucor::Field::NPV)->setFocus(Qt::ActiveWindowFocusReason);
    return app.exec();
}
