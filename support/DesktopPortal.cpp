// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "DesktopPortal.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QObject>
#include <QVariantMap>

#include <atomic>
#include <utility>

namespace pellucor {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString OpenUriInterface = QStringLiteral("org.freedesktop.portal.OpenURI");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString ResponseSignal = QStringLiteral("Response");

// The portal's answers in its Response signal.
constexpr uint ResponseSuccess = 0;
constexpr uint ResponseCancelled = 1;

// One OpenURI call and the Response that follows it. Deletes itself once it has an outcome;
// owned by the application meanwhile, so one still waiting when the program ends goes with it.
class PortalRequest : public QObject {
    Q_OBJECT

public:
    PortalRequest(QDBusConnection bus, ShellDone done)
        : QObject(QCoreApplication::instance()), bus_(std::move(bus)), done_(std::move(done)) {}

    void Start(const QString& parentWindow, const std::string& address, int timeoutMs) {
        // The portal names the request after our bus name and a token of our choosing, so the
        // answer is listened for before asking: it can come before the call's reply.
        static std::atomic<unsigned> serial{0};
        const QString token = QStringLiteral("pellucor%1").arg(++serial);
        QString sender = bus_.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        Listen(PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

        QDBusMessage call =
            QDBusMessage::createMethodCall(PortalService, PortalPath, OpenUriInterface, QStringLiteral("OpenURI"));
        const QVariantMap options{{QStringLiteral("ask"), true}, {QStringLiteral("handle_token"), token}};
        call << parentWindow << QString::fromStdString(address) << options;
        auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* reply) {
            reply->deleteLater();
            Replied(*reply);
        });
    }

public Q_SLOTS:
    void Response(uint response, const QVariantMap& results) {
        (void)results;
        if (response == ResponseSuccess)
            Finish(ShellResult::Opened);
        else if (response == ResponseCancelled)
            Finish(ShellResult::Cancelled);
        else
            Finish(ShellResult::Failed);
    }

private:
    // D-Bus signals connect by slot name only. Any sender is accepted: the path is ours alone.
    void Listen(const QString& path) {
        if (path == listening_) return;
        if (!listening_.isEmpty())
            bus_.disconnect(QString(), listening_, RequestInterface, ResponseSignal, this,
                            SLOT(Response(uint, QVariantMap)));
        listening_ = path;
        if (!path.isEmpty())
            bus_.connect(QString(), path, RequestInterface, ResponseSignal, this, SLOT(Response(uint, QVariantMap)));
    }

    void Replied(const QDBusPendingCallWatcher& reply) {
        if (!done_) return;
        const QDBusPendingReply<QDBusObjectPath> handle = reply;
        if (handle.isError()) {
            Finish(ShellResult::Failed);
            return;
        }
        // An older portal ignores the token and names the request itself.
        Listen(handle.value().path());
    }

    void Finish(std::int32_t code) {
        ShellDone done = std::exchange(done_, nullptr);
        if (!done) return;
        Listen(QString());
        deleteLater();
        try {
            done(code);
        } catch (...) {
        }
    }

    QDBusConnection bus_;
    ShellDone done_;
    QString listening_;
};

}  // namespace

QString PortalParentWindow(std::int32_t ownerWindow, const QString& platformName) {
    if (ownerWindow == 0 || platformName != QLatin1String("xcb")) return QString();
    return QStringLiteral("x11:") + QString::number(static_cast<std::uint32_t>(ownerWindow), 16);
}

QString PortalParentWindow(std::int32_t ownerWindow) {
    return PortalParentWindow(ownerWindow, QGuiApplication::platformName());
}

void AskPortalToChoose(const QString& parentWindow, const std::string& address, ShellDone done, int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !QCoreApplication::instance()) {
        done(ShellResult::Failed);
        return;
    }
    (new PortalRequest(bus, std::move(done)))->Start(parentWindow, address, timeoutMs);
}

}  // namespace pellucor

#include "DesktopPortal.moc"
