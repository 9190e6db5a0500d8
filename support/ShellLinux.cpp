// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ShellLinux.h"

#include "DesktopPortal.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace pellucor {

namespace {

// The opener's documented exit codes.
constexpr int OpenerSucceeded = 0;
constexpr int OpenerFileNotFound = 2;
constexpr int OpenerNoMethod = 3;

constexpr int StatusUnknown = -1;

// Starts the opener in a session of its own, so that a terminal's hangup or Ctrl+C aimed at
// this program does not reach the browser it may be running. Returns 0 or an errno value.
int SpawnOpener(const std::string& opener, const std::string& file, pid_t& pid) {
    std::string program = opener;
    std::string argument = file;
    std::vector<char*> argv{program.data(), argument.data(), nullptr};

    posix_spawnattr_t attributes;
    if (const int rc = posix_spawnattr_init(&attributes); rc != 0) return rc;
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int rc = posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return rc;
}

int Reap(pid_t pid, int options) {
    int raw = 0;
    pid_t reaped;
    do {
        reaped = waitpid(pid, &raw, options);
    } while (reaped == -1 && errno == EINTR);
    return reaped == pid ? raw : StatusUnknown;
}

// A descriptor that becomes readable when the opener ends. A pidfd where the kernel has them;
// elsewhere (a sandbox may refuse pidfd_open) a thread waits for the opener, reaps it and
// writes its status to a socket, so the event loop still never waits. reapedByThread tells
// which. Returns -1 when neither can be had.
int ExitDescriptor(pid_t pid, bool& reapedByThread) {
    reapedByThread = false;
    // Called directly: the C library's wrapper is missing from older headers or mis-declared.
    if (const long fd = syscall(SYS_pidfd_open, pid, 0); fd >= 0) return static_cast<int>(fd);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return -1;
    try {
        std::thread([pid, end = ends[1]] {
            const int status = Reap(pid, 0);
            // Nobody may be reading any more; that must not raise SIGPIPE.
            (void)send(end, &status, sizeof status, MSG_NOSIGNAL);
            close(end);
        }).detach();
    } catch (const std::system_error&) {
        close(ends[0]);
        close(ends[1]);
        return -1;
    }
    reapedByThread = true;
    return ends[0];
}

// One started opener, from its start until it has been reaped. Its outcome goes to done once:
// at its exit, or as success when the grace period ends first. It deletes itself once reaped;
// owned by the application meanwhile, so one still running when the program ends is left to
// run, unwatched.
class OpenerWatch : public QObject {
public:
    OpenerWatch(pid_t pid, int fd, bool reapedByThread, std::chrono::milliseconds grace, ShellDone done)
        : QObject(QCoreApplication::instance()),
          pid_(pid),
          fd_(fd),
          reapedByThread_(reapedByThread),
          notifier_(fd, QSocketNotifier::Read, this),
          done_(std::move(done)) {
        connect(&notifier_, &QSocketNotifier::activated, this, &OpenerWatch::Exited);
        grace_.setSingleShot(true);
        grace_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the grace period early
        connect(&grace_, &QTimer::timeout, this, [this] { Finish(ShellResult::Opened); });
        grace_.start(grace);
    }
    ~OpenerWatch() override {
        notifier_.setEnabled(false);
        close(fd_);
    }
    OpenerWatch(const OpenerWatch&) = delete;
    OpenerWatch& operator=(const OpenerWatch&) = delete;

private:
    void Exited() {
        notifier_.setEnabled(false);
        int status = StatusUnknown;
        if (reapedByThread_) {
            if (recv(fd_, &status, sizeof status, MSG_WAITALL) != sizeof status) status = StatusUnknown;
        } else {
            status = Reap(pid_, WNOHANG);
        }
        deleteLater();
        Finish(ShellLinux::ResultOfExitStatus(status));
    }

    void Finish(std::int32_t code) {
        grace_.stop();
        ShellDone done = std::exchange(done_, nullptr);
        if (!done) return;
        try {
            done(code);
        } catch (...) {
        }
    }

    pid_t pid_;
    int fd_;
    bool reapedByThread_;
    QSocketNotifier notifier_;
    QTimer grace_;
    ShellDone done_;
};

}  // namespace

ShellLinux::ShellLinux(std::string opener, std::chrono::milliseconds grace)
    : opener_(std::move(opener)), grace_(grace) {}

void ShellLinux::Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                         ShellDone done) {
    (void)ownerWindow;
    (void)parameters;
    (void)directory;
    (void)showCommand;
    if (verb && *verb != "open") {
        done(ShellResult::NoAssociation);
        return;
    }

    pid_t pid = 0;
    if (SpawnOpener(opener_, file, pid) != 0) {
        done(ShellResult::FileNotFound);
        return;
    }
    bool reapedByThread = false;
    const int fd = QCoreApplication::instance() ? ExitDescriptor(pid, reapedByThread) : -1;
    if (fd < 0) {
        // The opener is running and cannot be watched without blocking on the browser.
        done(ShellResult::Opened);
        return;
    }
    new OpenerWatch(pid, fd, reapedByThread, grace_, std::move(done));
}

std::int32_t ShellLinux::ResultOfExitStatus(int status) {
    // Reaped by someone else: the opener did start, and nothing says it failed.
    if (status == StatusUnknown) return ShellResult::Opened;
    if (!WIFEXITED(status)) return ShellResult::Failed;
    switch (WEXITSTATUS(status)) {
        case OpenerSucceeded: return ShellResult::Opened;
        case OpenerFileNotFound: return ShellResult::FileNotFound;
        case OpenerNoMethod: return ShellResult::NoAssociation;
        default: return ShellResult::Failed;
    }
}

void ShellLinux::ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file, ShellDone done) {
    AskPortalToChoose(PortalParentWindow(ownerWindow), file, std::move(done));
}

std::unique_ptr<Shell> MakeSystemShell() {
    return std::make_unique<ShellLinux>();
}

}  // namespace pellucor
