// The application chooser through the desktop portal. The tests named PrivateBus run on a bus
// of their own (see CMakeLists.txt); the others find no session bus at all.

#include "DesktopPortal.h"
#include "FakePortal.h"
#include "ShellLinux.h"
#include "modShellExecute.h"

#include <QDBusConnection>
#include <QThread>

#include <gtest/gtest.h>

namespace pellucor {
namespace {

using testing::FakePortal;

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
    EXPECT_LE(AskPortalToChoose(QStringLiteral("x11:1"), "https://example.org/", 60000), 32);
    ShellLinux shell;
    EXPECT_FALSE(OpenWithDialog(shell, "https://example.org/", 0));
}

// The fake portal answers from a thread and a bus connection of its own, as a separate
// process would, so that the blocking call under test is not waiting on itself.
class PortalOnBus {
public:
    explicit PortalOnBus(bool accepts)
        : portal_(accepts), bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, Name)) {
        portal_.moveToThread(&thread_);
        thread_.start();
        registered_ = bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal_,
                                          QDBusConnection::ExportAllSlots) &&
                      bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    ~PortalOnBus() {
        bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(Name);
        thread_.quit();
        thread_.wait();
    }
    bool Registered() const { return registered_; }
    const FakePortal& Portal() const { return portal_; }

private:
    static inline const QString Name = QStringLiteral("pellucor-fake-portal");
    QThread thread_;
    FakePortal portal_;
    QDBusConnection bus_;
    bool registered_ = false;
};

TEST(PrivateBus, NoPortalServiceFails) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    EXPECT_LE(AskPortalToChoose(QStringLiteral("x11:1"), "https://example.org/", 60000), 32);
}

TEST(PrivateBus, PortalGetsParentAddressAndAsk) {
    PortalOnBus bus(true);
    ASSERT_TRUE(bus.Registered());

    EXPECT_GT(AskPortalToChoose(QStringLiteral("x11:4a00007"), "https://pellucor.org/a b?c=d&e", 60000), 32);

    const auto request = bus.Portal().Received();
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->parentWindow, QStringLiteral("x11:4a00007"));
    EXPECT_EQ(request->uri, QStringLiteral("https://pellucor.org/a b?c=d&e"));
    ASSERT_TRUE(request->options.contains(QStringLiteral("ask")));
    EXPECT_EQ(request->options.value(QStringLiteral("ask")).metaType(), QMetaType::fromType<bool>());
    EXPECT_TRUE(request->options.value(QStringLiteral("ask")).toBool());
}

TEST(PrivateBus, PortalRefusalFails) {
    PortalOnBus bus(false);
    ASSERT_TRUE(bus.Registered());
    EXPECT_LE(AskPortalToChoose(QStringLiteral(""), "https://example.org/", 60000), 32);
    EXPECT_TRUE(bus.Portal().Received().has_value());
}

}  // namespace
}  // namespace pellucor
