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

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace pellucor {
namespace {

using testing::Await;
using testing::PortalBehaviour;
using testing::PortalOnBus;

std::optional<std::int32_t> Choose(const QString& parent, const std::string& address,
                                   std::chrono::milliseconds patience = std::chrono::seconds(60)) {
    return Await<std::int32_t>(
        [&](ShellDone done) { AskPortalToChoose(parent, address, std::move(done), 60000); }, patience);
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
                      ChooserRow{"ChooserFailed", true, {true, 0, 2u}, ShellResult::Failed}),
    [](const ::testing::TestParamInfo<ChooserRow>& info) { return std::string(info.param.name); });

TEST(PrivateBus, NothingComesWhileTheChooserStaysOpen) {
    PortalOnBus portal({true, 0, std::nullopt});
    ASSERT_TRUE(portal.Registered());
    EXPECT_FALSE(Choose(QString(), "https://example.org/", std::chrono::milliseconds(500)).has_value());
    EXPECT_TRUE(portal.Portal().Received().has_value());
}

}  // namespace
}  // namespace pellucor
