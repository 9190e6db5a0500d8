#include "DesktopPortal.h"

#include "Shell.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>

namespace pellucor {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString OpenUriInterface = QStringLiteral("org.freedesktop.portal.OpenURI");

bool PortalReachable(QDBusConnection& bus, int timeoutMs) {
    if (QDBusConnectionInterface* daemon = bus.interface()) {
        const QDBusReply<bool> registered = daemon->isServiceRegistered(PortalService);
        if (registered.isValid() && registered.value()) return true;
    }
    const QDBusMessage list =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames"));
    const QDBusMessage names = bus.call(list, QDBus::Block, timeoutMs);
    return names.type() == QDBusMessage::ReplyMessage && !names.arguments().isEmpty() &&
           names.arguments().constFirst().toStringList().contains(PortalService);
}

}  // namespace

QString PortalParentWindow(std::int32_t ownerWindow, const QString& platformName) {
    if (ownerWindow == 0 || platformName != QLatin1String("xcb")) return QString();
    return QStringLiteral("x11:") + QString::number(static_cast<std::uint32_t>(ownerWindow), 16);
}

QString PortalParentWindow(std::int32_t ownerWindow) {
    return PortalParentWindow(ownerWindow, QGuiApplication::platformName());
}

std::int32_t AskPortalToChoose(const QString& parentWindow, const std::string& address, int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !PortalReachable(bus, timeoutMs)) return ShellResult::Failed;

    QDBusMessage call =
        QDBusMessage::createMethodCall(PortalService, PortalPath, OpenUriInterface, QStringLiteral("OpenURI"));
    const QVariantMap options{{QStringLiteral("ask"), true}};
    call << parentWindow << QString::fromStdString(address) << options;
    // The reply only hands back a request handle; the user's choice arrives later and is not
    // waited for.
    const QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? ShellResult::Opened : ShellResult::Failed;
}

}  // namespace pellucor
