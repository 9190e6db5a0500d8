// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The help path on a desktop that lacks what it relies on: no opener installed, no session bus
// at all, a clipboard that nobody owns. Each case needs an environment of its own, which CTest
// gives it (see CMakeLists.txt) together with PELLUCOR_HOSTILE naming the case; run outside
// that, a case skips rather than test the wrong thing. Whatever is missing, the user reaches
// the fallback box and the address can be copied.

#include "Await.h"
#include "BoxAnswerer.h"
#include "DesktopPortal.h"
#include "HelpPage.h"
#include "OpenerStub.h"
#include "modWebpage.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace pellucor {
namespace {

using testing::BoxAnswerer;
using testing::OpenerStub;
using B = QMessageBox::StandardButton;

const QString Address = QString::fromLatin1(HelpPageAddress);

bool InEnvironment(const char* name) {
    return qEnvironmentVariable("PELLUCOR_HOSTILE") == QLatin1String(name);
}

QString ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->text() : QString();
}

// Confirms, then answers the fallback box with Yes; true when exactly those two boxes came.
void OpenAndCopy() {
    BoxAnswerer answerer({{B::Ok}, {B::Yes}});
    bool finished = false;
    OpenWebPage(HelpPageAddress, 0, true, [&finished] { finished = true; });
    ASSERT_TRUE(testing::WaitUntil([&] { return finished; }));
    EXPECT_EQ(answerer.unexpected, 0);
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[1].icon, QMessageBox::Question) << "the second box is not the fallback";
    EXPECT_TRUE(answerer.seen[1].text.contains(Address));
}

TEST(HostilePlatform, NoOpenerInstalled) {
    if (!InEnvironment("NoOpener"))
        GTEST_SKIP() << "needs the environment that CTest gives help.HostileNoOpener";
    ASSERT_TRUE(QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty());
    ASSERT_TRUE(ClipboardText().isEmpty());

    OpenAndCopy();
    EXPECT_EQ(ClipboardText(), Address);
}

TEST(HostilePlatform, NoSessionBus) {
    if (!InEnvironment("NoBus"))
        GTEST_SKIP() << "needs the environment that CTest gives help.HostileNoBus";
    ASSERT_FALSE(QDBusConnection::sessionBus().isConnected());

    // The opener knows no method for the address, so the chooser is asked for over the bus.
    OpenerStub stub("3");
    OpenAndCopy();
    EXPECT_TRUE(stub.WasStarted());
    EXPECT_EQ(ClipboardText(), Address);
    EXPECT_LE(testing::Await<std::int32_t>([](ShellDone done) {
                  AskPortalToChoose(QString(), HelpPageAddress, std::move(done));
              }).value_or(99),
              32);
}

// On a real X server whose clipboard has no owner: copying makes this program the owner, and
// another client then reads exactly the address from it.
TEST(HostilePlatform, ClipboardWithoutOwner) {
    if (!InEnvironment("X11Clipboard"))
        GTEST_SKIP() << "needs the X server that CTest gives help.HostileX11Clipboard";
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_FALSE(clipboard->ownsClipboard());
    ASSERT_TRUE(ClipboardText().isEmpty());

    OpenerStub stub("4");
    OpenAndCopy();
    EXPECT_TRUE(clipboard->ownsClipboard());

    // The owner answers the reader from its event loop, so keep it running meanwhile.
    QProcess reader;
    reader.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    ASSERT_TRUE(reader.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (reader.state() != QProcess::NotRunning && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(reader.state(), QProcess::NotRunning) << "xclip got no answer";
    EXPECT_EQ(reader.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()), Address);
    clipboard->clear();
}

}  // namespace
}  // namespace pellucor
