// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "CommandLine.h"
#include "FrameMargins.h"
#include "Version.h"
#include "PngResource.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#if defined(PELLUCOR_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

// A connection that is accepted and dropped at once is all the compositor sees.
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

enum class Found { None, QtsChoice, X11Only };

// Qt takes Wayland whenever WAYLAND_DISPLAY is set or the session says Wayland, and X11 only
// after Wayland failed, with two lines of complaint; without DISPLAY it aborts with a core dump.
// A compositor that is gone (a stale WAYLAND_DISPLAY in a reattached terminal) is therefore
// looked for here: X11 straight away if it is there, a plain message if nothing is.
Found FindDisplay(bool platformNamed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (platformNamed || Set("QT_QPA_PLATFORM") || Set("WAYLAND_SOCKET"))
        return Found::QtsChoice;
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool waylandNamed = Set("WAYLAND_DISPLAY") || (session != nullptr && std::string(session) == "wayland");
    if (waylandNamed && WaylandAnswers())
        return Found::QtsChoice;
    if (Set("DISPLAY"))
        return waylandNamed ? Found::X11Only : Found::QtsChoice;
    return Found::None;
#else
    (void)platformNamed;
    return Found::QtsChoice;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    const pellucor::CommandLine commandLine(argc, argv);
    if (commandLine.ExitStatus())
        return *commandLine.ExitStatus();
    const Found display = FindDisplay(commandLine.NamesPlatform());
    if (display == Found::None) {
        std::fprintf(stderr,
                     "pellucor: no display found (DISPLAY is not set, and no Wayland compositor answers at\n"
                     "WAYLAND_DISPLAY).\n"
                     "Start Pellucor from a desktop session, or over ssh with X forwarding (ssh -X).\n");
        return 2;
    }

#if defined(PELLUCOR_HAVE_FONTCONFIG)
    // Reading the font configuration (dozens of files, then the caches) is the largest single
    // cost of the first text drawn. It needs no display, so it runs beside the connection to
    // one and is done, or waited for, before the window is built; the library keeps it for Qt.
    std::jthread fontConfiguration([] { FcInit(); });
#endif
    // Named in Qt's arguments rather than its environment: the environment is read by the thread
    // above meanwhile, and what the help page's opener starts chooses for itself.
    std::vector<char*> qtArguments(argv, argv + argc);
    char platformOption[] = "-platform";
    char x11[] = "xcb";
    if (display == Found::X11Only)
        qtArguments.insert(qtArguments.begin() + (argc > 0 ? 1 : 0), {platformOption, x11});
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication app(qtArgumentCount, qtArguments.data());
    QApplication::setApplicationName(QStringLiteral("Pellucor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellucor"));
    QApplication::setApplicationVersion(QStringLiteral(PELLUCOR_DISPLAY_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("pellucor.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pellucor.Pellucor"));
    const pellucor::Translations translations(QLocale::system().uiLanguages());
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ReadPngResource(QStringLiteral(":/pellucor-32.png")))));
#if defined(PELLUCOR_HAVE_FONTCONFIG)
    fontConfiguration.join();
#endif
    frmMain window;
    // Centred is the whole window, title bar included; placed before it is shown, it never
    // jumps. The position is then given as the client area's, which the manager keeps.
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
