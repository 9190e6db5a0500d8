// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// OpenWebPage on the desktop: Qt boxes, the real clipboard and the Linux shell with the
// stand-in opener (or the system's own), end to end, while a probe measures how long the event
// loop ever went without turning.

#include "Await.h"
#include "BoxAnswerer.h"
#include "HelpPage.h"
#include "OpenerStub.h"
#include "PortalOnBus.h"
#include "modWebpage.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/types.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace pellucor {
namespace {

using testing::BoxAction;
using testing::BoxAnswerer;
using testing::LatencyProbe;
using testing::OpenerStub;
using testing::PortalBehaviour;
using testing::PortalOnBus;
using testing::WaitUntil;
using B = QMessageBox::StandardButton;

const QString Previous = QStringLiteral("what the user had copied");

// A blocked event loop, not a busy machine: the old opener wait alone blocked for 1.5 s.
constexpr qint64 BlockedMs = 1000;

// Starts each test from a known clipboard and leaves nothing on it, however the test ends.
class ClipboardGuard {
public:
    ClipboardGuard() { QGuiApplication::clipboard()->setText(Previous); }
    ~ClipboardGuard() { QGuiApplication::clipboard()->clear(); }
};

bool Gone(pid_t pid) {
    return kill(pid, 0) == -1 && errno == ESRCH;
}

// Ends a stand-in opener still running when its test ends, and with it the sleep it waits on.
class OpenerReaper {
public:
    explicit OpenerReaper(const OpenerStub* stub) : stub_(stub) {}
    ~OpenerReaper() {
        if (!stub_ || !stub_->WasStarted()) return;
        if (const auto pid = stub_->Pid(); pid && !Gone(*pid)) {
            kill(-*pid, SIGTERM);
            WaitUntil([&] { return Gone(*pid); }, std::chrono::seconds(20));
        }
    }
    OpenerReaper(const OpenerReaper&) = delete;
    OpenerReaper& operator=(const OpenerReaper&) = delete;

private:
    const OpenerStub* stub_;
};

struct Row {
    const char* name;
    const char* opener;  // the stand-in's behaviour; null: the system's own opener
    std::deque<BoxAction> answers;
    bool expectOpenerStarted;
    bool expectFallback;
    bool expectCopied;
    int openerSeconds = 0;      // how long the opener takes to answer
    bool expectLeftRunning = false;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// Runs one request through the real boxes; checks boxes, clipboard, that the call returned
// without waiting for the opener, and that the event loop kept turning meanwhile.
void RunRequest(const Row& row, const OpenerStub* stub) {
    ClipboardGuard clipboard;
    OpenerReaper reaper(stub);
    BoxAnswerer answerer(row.answers);
    LatencyProbe probe;

    bool finished = false;
    QElapsedTimer clock;
    clock.start();
    OpenWebPage(HelpPageAddress, 0, true, [&finished] { finished = true; });
    const qint64 returnedMs = clock.elapsed();
    ASSERT_TRUE(WaitUntil([&] { return finished; })) << "the request never finished";
    const qint64 finishedMs = clock.elapsed();
    // Time for a second, wrong outcome to show itself.
    WaitUntil([] { return false; }, std::chrono::milliseconds(300));

    std::printf("[ latency  ] %s: returned after %lld ms, finished after %lld ms, event loop max gap %lld ms\n",
                row.name, static_cast<long long>(returnedMs), static_cast<long long>(finishedMs),
                static_cast<long long>(probe.WorstMs()));
    ::testing::Test::RecordProperty("max_event_loop_gap_ms", static_cast<int>(probe.WorstMs()));
    EXPECT_LT(probe.WorstMs(), BlockedMs);
    if (row.openerSeconds > 0) {
        EXPECT_LT(returnedMs, row.openerSeconds * 1000) << "waited for the opener";
    }

    EXPECT_EQ(answerer.unexpected, 0);
    if (stub) {
        EXPECT_EQ(stub->WasStarted(), row.expectOpenerStarted);
    }
    ASSERT_EQ(answerer.seen.size(), row.expectFallback ? 2u : 1u);
    const auto& confirm = answerer.seen[0];
    EXPECT_EQ(confirm.text, QStringLiteral("This program will open the following web page:\n\n"
                                           "https://pellucor.org/library/pellucor/\n\nClick OK to continue."));
    EXPECT_EQ(confirm.icon, QMessageBox::NoIcon);
    EXPECT_EQ(confirm.buttons, QMessageBox::StandardButtons(B::Ok | B::Cancel));
    EXPECT_EQ(confirm.defaultButton, B::Ok);
    if (row.expectFallback) {
        const auto& fallback = answerer.seen[1];
        EXPECT_EQ(fallback.text,
                  QStringLiteral("Sorry. It appears that opening the webpage of this program is not possible on this "
                                 "computer. As an alternative, you may visit following page using a web browser:\n\n"
                                 "https://pellucor.org/library/pellucor/\n\n"
                                 "Do you want to copy the above address on the clipboard?"));
        EXPECT_EQ(fallback.icon, QMessageBox::Question);
        EXPECT_EQ(fallback.buttons, QMessageBox::StandardButtons(B::Yes | B::No | B::Cancel));
        EXPECT_EQ(fallback.defaultButton, B::Yes);
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    if (row.expectCopied) {
        EXPECT_EQ(data->text(), QString::fromLatin1(HelpPageAddress));
        EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    } else {
        EXPECT_EQ(data->text(), Previous);
    }
    if (stub && row.expectOpenerStarted) {
        const auto pid = stub->Pid();
        ASSERT_TRUE(pid.has_value());
        EXPECT_EQ(!Gone(*pid), row.expectLeftRunning) << "a browser in the foreground must be left running";
    }
}

class DesktopHelp : public ::testing::TestWithParam<Row> {};

TEST_P(DesktopHelp, BoxesOpenerAndClipboard) {
    const Row& row = GetParam();
    std::optional<OpenerStub> stub;
    if (row.opener) {
        stub.emplace(row.opener);
    } else {
        // The system's own opener, in the session CTest gives help.RealOpener: no desktop, no
        // handler registered, no browser to fall back on.
        if (qEnvironmentVariable("PELLUCOR_REAL_OPENER") != QLatin1String("1"))
            GTEST_SKIP() << "needs the session that CTest gives help.RealOpener";
        ASSERT_EQ(QStandardPaths::findExecutable(QStringLiteral("xdg-open")), QStringLiteral("/usr/bin/xdg-open"));
        for (const char* browser : {"x-www-browser", "www-browser", "firefox", "chromium", "epiphany", "konqueror",
                                    "links2", "elinks", "links", "lynx", "w3m", "google-chrome"}) {
            if (!QStandardPaths::findExecutable(QString::fromLatin1(browser)).isEmpty())
                GTEST_SKIP() << browser << " is installed: the system's opener would start it";
        }
    }
    RunRequest(row, stub ? &*stub : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Help, DesktopHelp,
    ::testing::Values(Row{"ConfirmCancelled", "0", {{B::Cancel}}, false, false, false},
                      Row{"ConfirmClosed", "0", {BoxAction::Close()}, false, false, false},
                      Row{"Opened", "0", {{B::Ok}}, true, false, false},
                      Row{"OpenerFailsCopyYes", "4", {{B::Ok}, {B::Yes}}, true, true, true},
                      Row{"OpenerFailsCopyNo", "4", {{B::Ok}, {B::No}}, true, true, false},
                      Row{"OpenerFailsClosed", "1", {{B::Ok}, BoxAction::Close()}, true, true, false},
                      // No method to open it: the chooser is asked for, but there is no bus.
                      Row{"NoMethodNoChooser", "3", {{B::Ok}, {B::Yes}}, true, true, true},
                      Row{"RealOpenerNoBrowser", nullptr, {{B::Ok}, {B::Yes}}, true, true, true},
                      Row{"SlowFailsAfter2s", "after 2 4", {{B::Ok}, {B::Yes}}, true, true, true, 2},
                      Row{"SlowFailsAfter5s", "after 5 1", {{B::Ok}, {B::No}}, true, true, false, 5},
                      Row{"SlowSucceedsAfter2s", "after 2 0", {{B::Ok}}, true, false, false, 2},
                      Row{"SlowNoMethodAfter2s", "after 2 3", {{B::Ok}, {B::Yes}}, true, true, true, 2},
                      // Still running at 10 s: a browser in the foreground. Its exit at 30 s,
                      // a failure, would come too late to change anything.
                      Row{"SlowRuns30s", "after 30 4", {{B::Ok}}, true, false, false, 10, true}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// A second click while the first request waits is a request of its own: each failure brings
// its own offer, once.
TEST(Help, OverlappingRequestsEndOnceEach) {
    ClipboardGuard clipboard;
    OpenerStub stub("after 1 4");
    BoxAnswerer answerer({{B::Ok}, {B::Ok}, {B::No}, {B::No}});
    int finished = 0;
    OpenWebPage(HelpPageAddress, 0, true, [&finished] { ++finished; });
    OpenWebPage(HelpPageAddress, 0, true, [&finished] { ++finished; });
    ASSERT_TRUE(WaitUntil([&] { return finished == 2; }));
    WaitUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(answerer.seen.size(), 4u);
    EXPECT_EQ(answerer.unexpected, 0);
}

struct ChooserRow {
    const char* name;
    PortalBehaviour portal;
    std::deque<BoxAction> answers;
    bool expectFallback;
    bool expectCopied;
    int portalSeconds = 0;
};

void PrintTo(const ChooserRow& row, std::ostream* os) {
    *os << row.name;
}

class DesktopChooser : public ::testing::TestWithParam<ChooserRow> {};

// The opener knows no method, so the portal's chooser is asked for on the private bus.
TEST_P(DesktopChooser, FallbackOnlyWhenTheChooserFails) {
    const ChooserRow& row = GetParam();
    PortalOnBus portal(row.portal);
    ASSERT_TRUE(portal.Registered());
    OpenerStub stub("3");
    RunRequest(Row{row.name, "3", row.answers, true, row.expectFallback, row.expectCopied, row.portalSeconds},
               &stub);
    EXPECT_TRUE(portal.Portal().Received().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    PrivateBus, DesktopChooser,
    ::testing::Values(ChooserRow{"SlowPortalChosenAfter3s", {true, 3000, 0u}, {{B::Ok}}, false, false, 3},
                      ChooserRow{"CancelShowsNothing", {true, 0, 1u}, {{B::Ok}}, false, false},
                      ChooserRow{"ChooserFailsOffersCopy", {true, 0, 2u}, {{B::Ok}, {B::Yes}}, true, true},
                      ChooserRow{"RefusedOffersCopy", {false, 0, 0u}, {{B::Ok}, {B::No}}, true, false}),
    [](const ::testing::TestParamInfo<ChooserRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pellucor
