#include "ShellLinux.h"

#include "DesktopPortal.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <future>
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

}  // namespace

ShellLinux::ShellLinux(std::string opener, std::chrono::milliseconds grace)
    : opener_(std::move(opener)), grace_(grace) {}

std::int32_t ShellLinux::Execute(std::int32_t ownerWindow, const std::optional<std::string>& verb,
                                 const std::string& file, const std::string& parameters, const std::string& directory,
                                 std::int32_t showCommand) {
    (void)ownerWindow;
    (void)parameters;
    (void)directory;
    (void)showCommand;
    if (verb && *verb != "open") return ShellResult::NoAssociation;

    pid_t pid = 0;
    if (SpawnOpener(opener_, file, pid) != 0) return ShellResult::FileNotFound;

    // The waiting thread outlives this call when the opener keeps running; it reaps the
    // opener whenever that ends, so no zombie is left behind and nothing ever kills it.
    auto outcome = std::make_shared<std::promise<int>>();
    std::future<int> status = outcome->get_future();
    try {
        std::thread([pid, outcome] {
            int raw = 0;
            pid_t reaped;
            do {
                reaped = waitpid(pid, &raw, 0);
            } while (reaped == -1 && errno == EINTR);
            outcome->set_value(reaped == pid ? raw : StatusUnknown);
        }).detach();
    } catch (const std::system_error&) {
        // The opener is running and cannot be waited for without blocking on the browser.
        return ShellResult::Opened;
    }
    if (status.wait_for(grace_) != std::future_status::ready) return ShellResult::Opened;
    return ResultOfExitStatus(status.get());
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

std::int32_t ShellLinux::ExecuteOpenWith(std::int32_t ownerWindow, const std::string& file) {
    return AskPortalToChoose(PortalParentWindow(ownerWindow), file);
}

std::unique_ptr<Shell> MakeSystemShell() {
    return std::make_unique<ShellLinux>();
}

}  // namespace pellucor
