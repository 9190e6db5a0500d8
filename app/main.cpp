#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

// Qt takes the Wayland platform whenever WAYLAND_DISPLAY is set (or the session says Wayland)
// and falls back to X11 only if DISPLAY is set too; a compositor that is gone would otherwise
// end in Qt's abort. A connection that is accepted and dropped at once is all the compositor sees.
bool WaylandAnswers() {
    const char* name = Set("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    std::string path = name;
    if (path.front() != '/') {
        if (!Set("XDG_RUNTIME_DIR"))
            return false;
        path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    path.copy(address.sun_path, path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answered = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answered;
}
#endif

// Without a display Qt aborts with a core dump; say what is wrong instead.
bool DisplayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_SOCKET"))
        return true;
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool waylandSession = session != nullptr && std::string(session) == "wayland";
    return (Set("WAYLAND_DISPLAY") || waylandSession) && WaylandAnswers();
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "pellucor: no display found (DISPLAY is not set, and no Wayland compositor answers at\n"
                     "WAYLAND_DISPLAY).\n"
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
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.FieldWidget(pellucor::Field::NPV)->setFocus(Qt::ActiveWindowFocusReason);
    return app.exec();
}
