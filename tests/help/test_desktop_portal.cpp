// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The application chooser through the desktop portal. The tests named PrivateBus run on a bus
// of their own (see CMakeLists.txt); the others find no session bus at all.

#include "Await.h"
#include "DesktopPortal.h"
#include "PortalOnBus.h"
#include "ShellLinux.h"
#include "modShellExecute.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <gtest/gtest.h>

namespace pellucor {
namespace {

using testing::Await;
using testing::PortalBehaviour;
using testing::PortalOnBus;
using testing::WaitUntil;

std::optional<std::int32_t> Choose(const QString& parent, const std::string& address,
                                   std::chrono::milliseconds patience = std::chrono::seconds(30)) {
    return Await<std::int32_t>(
        [&](ShellDone done) { AskPortalToChoose(parent, address, std::move(done), 20000); }, patience);
}

struct ParentRow {
    const char* name;
    std::int32_t owner;
    const char* platform;
    const char* expected;
};

void PrintTo(const ParentRow& row, std::ostream* os) {
    *os << row.name;
}

class PortalParent : public ::testing::TestWithParam<ParentRow> {};

TEST_P(PortalParent, IsTheX11WindowInHexadecimal) {
    const ParentRow& row = GetParam();
    EXPECT_EQ(PortalParentWindow(row.owner, QString::fromLatin1(row.platform)).toStdString(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Portal, PortalParent,
                         ::testing::Values(ParentRow{"X11", 0x4a00007, "xcb", "x11:4a00007"},
                                           ParentRow{"HighBitSet", -2, "xcb", "x11:fffffffe"},
                                           ParentRow{"NoWindow", 0, "xcb", ""},
                                           ParentRow{"Wayland", 0x4a00007, "wayland", ""},
                                           ParentRow{"Offscreen", 12, "offscreen", ""}),
                         [](const ::testing::TestParamInfo<ParentRow>& info) { return std::string(info.param.name); });

TEST(Portal, NoSessionBusFailsAndTheChooserReportsFailure) {
    EXPECT_LE(Choose(QStringLiteral("x11:1"), "https://example.org/").value_or(99), 32);
    ShellLinux shell;
    EXPECT_EQ(Await<bool>([&](OpenDone done) { OpenWithDialog(shell, "https://example.org/", 0, std::move(done)); }),
              false);
}

struct ChooserRow {
    const char* name;
    bool portalRunning;
    PortalBehaviour behaviour;
    std::int32_t expected;
};

void PrintTo(const ChooserRow& row, std::ostream* os) {
    *os << row.name;
}

class PrivateBusChooser : public ::testing::TestWithParam<ChooserRow> {};

TEST_P(PrivateBusChooser, AnswersInExecuteCodes) {
    const ChooserRow& row = GetParam();
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    std::optional<PortalOnBus> portal;
    if (row.portalRunning) {
        portal.emplace(row.behaviour);
        ASSERT_TRUE(portal->Registered());
    }
    EXPECT_EQ(Choose(QStringLiteral("x11:4a00007"), "https://pellucor.org/a b?c=d&e"), row.expected);
    if (!portal) return;
    const auto request = portal->Portal().Received();
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->parentWindow, QStringLiteral("x11:4a00007"));
    EXPECT_EQ(request->uri, QStringLiteral("https://pellucor.org/a b?c=d&e"));
    ASSERT_TRUE(request->options.contains(QStringLiteral("ask")));
    EXPECT_EQ(request->options.value(QStringLiteral("ask")).metaType(), QMetaType::fromType<bool>());
    EXPECT_TRUE(request->options.value(QStringLiteral("ask")).toBool());
}

INSTANTIATE_TEST_SUITE_P(
    PrivateBus, PrivateBusChooser,
    ::testing::Values(ChooserRow{"NoPortalService", false, {}, ShellResult::Failed},
                      ChooserRow{"Refused", true, {false, 0, 0u}, ShellResult::Failed},
                      ChooserRow{"ProgramChosen", true, {true, 0, 0u}, ShellResult::Opened},
                      ChooserRow{"UserCancelled", true, {true, 0, 1u}, ShellResult::Cancelled},
                      ChooserRow{"ChooserFailed", true, {true, 0, 2u}, ShellResult::Failed},
                      // An older portal names the request itself; its answer may overtake the reply.
                      ChooserRow{"OldPortalChosen", true, {true, 0, 0u, true}, ShellResult::Opened},
                      ChooserRow{"OldPortalAnswersFirst", true, {true, 0, 1u, true, true}, ShellResult::Cancelled}),
    [](const ::testing::TestParamInfo<ChooserRow>& info) { return std::string(info.param.name); });

TEST(PrivateBus, NothingComesWhileTheChooserStaysOpen) {
    PortalOnBus portal({true, 0, std::nullopt});
    ASSERT_TRUE(portal.Registered());
    EXPECT_FALSE(Choose(QString(), "https://example.org/", std::chrono::milliseconds(500)).has_value());
    EXPECT_TRUE(portal.Portal().Received().has_value());
}

struct DeadlineRow {
    const char* name;
    PortalBehaviour behaviour;
};

void PrintTo(const DeadlineRow& row, std::ostream* os) {
    *os << row.name;
}

class PrivateBusDeadline : public ::testing::TestWithParam<DeadlineRow> {};

// Whatever the portal does after the deadline, the caller has had its one answer, the chooser
// was asked to close, and nothing of the request is left.
TEST_P(PrivateBusDeadline, FailsOnceClosesTheChooserAndLeavesNothing) {
    const DeadlineRow& row = GetParam();
    PortalOnBus portal(row.behaviour);
    ASSERT_TRUE(portal.Registered());
    const QObjectList before = QCoreApplication::instance()->children();
    std::vector<std::int32_t> answers;
    AskPortalToChoose(QString(), "https://example.org/", [&](std::int32_t code) { answers.push_back(code); }, 300);

    ASSERT_TRUE(WaitUntil([&] { return !answers.empty(); }, std::chrono::seconds(20)));
    EXPECT_EQ(answers.front(), ShellResult::Failed);
    ASSERT_TRUE(WaitUntil([&] { return portal.Portal().Closed().has_value(); }, std::chrono::seconds(20)));
    EXPECT_TRUE(portal.Portal().Closed()->startsWith(QStringLiteral("/org/freedesktop/portal/desktop/request/")));
    if (row.behaviour.response) {
        ASSERT_TRUE(WaitUntil([&] { return portal.Portal().Responded(); }, std::chrono::seconds(20)));
        WaitUntil([] { return false; }, std::chrono::milliseconds(500));
    }
    EXPECT_EQ(answers.size(), 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QObject* left : QCoreApplication::instance()->children())
        EXPECT_TRUE(before.contains(left)) << "left behind: " << left->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(PrivateBus, PrivateBusDeadline,
                         ::testing::Values(DeadlineRow{"ChooserLeftOpen", {true, 0, std::nullopt}},
                                           DeadlineRow{"AnswerAfterTheDeadline", {true, 0, 0u, false, false, 1500}}),
                         [](const ::testing::TestParamInfo<DeadlineRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pellucor
