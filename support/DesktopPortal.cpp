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
#include <QHash>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
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

// The longest the portal's method may take to reply; a portal that has not answered by then
// is not going to.
constexpr int CallTimeoutMs = 25000;

// Responses that came before the reply that names the request, from an older portal that
// ignores our token; kept until the reply says which one is ours. More than this many at once
// would mean many requests running in parallel, which one click never starts.
constexpr int EarlyResponsesKept = 16;

// One OpenURI call and the Response that follows it, with one deadline from the start for
// both, and one answer: the portal's, or failure at the deadline, whichever comes first.
// Deletes itself once it has answered; owned by the application meanwhile.
class PortalRequest : public QObject {
    Q_OBJECT

public:
    PortalRequest(QDBusConnection bus, ShellDone done)
        : QObject(QCoreApplication::instance()), bus_(std::move(bus)), done_(std::move(done)) {}

    void Start(const QString& parentWindow, const std::string& address, int deadlineMs) {
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, &PortalRequest::Expired);
        deadline_.start(deadlineMs);

        // The portal names the request after our bus name and a token of our choosing. An
        // older portal names it itself, and its answer can come before the reply that tells
        // the name, so every Response is listened for from the start and sorted by path.
        static std::atomic<unsigned> serial{0};
        const QString token = QStringLiteral("pellucor%1").arg(++serial);
        QString sender = bus_.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        tokenPath_ = PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        // D-Bus signals connect by slot name only.
        listening_ = bus_.connect(QString(), QString(), RequestInterface, ResponseSignal, this,
                                  SLOT(Response(uint, QVariantMap, QDBusMessage)));

        QDBusMessage call =
            QDBusMessage::createMethodCall(PortalService, PortalPath, OpenUriInterface, QStringLiteral("OpenURI"));
        const QVariantMap options{{QStringLiteral("ask"), true}, {QStringLiteral("handle_token"), token}};
        call << parentWindow << QString::fromStdString(address) << options;
        auto* watcher =
            new QDBusPendingCallWatcher(bus_.asyncCall(call, std::min(deadlineMs, CallTimeoutMs)), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* reply) {
            reply->deleteLater();
            Replied(*reply);
        });
    }

public Q_SLOTS:
    void Response(uint response, const QVariantMap& results, const QDBusMessage& message) {
        (void)results;
        const QString path = message.path();
        if (path == tokenPath_ || (!handlePath_.isEmpty() && path == handlePath_))
            Answer(response);
        else if (handlePath_.isEmpty() && early_.size() < EarlyResponsesKept)
            early_.insert(path, response);
    }

private:
    void Replied(const QDBusPendingCallWatcher& reply) {
        if (!done_) return;
        const QDBusPendingReply<QDBusObjectPath> handle = reply;
        if (handle.isError()) {
            Finish(ShellResult::Failed);
            return;
        }
        handlePath_ = handle.value().path();
        const auto early = early_.constFind(handlePath_);
        if (early != early_.cend())
            Answer(*early);
        early_.clear();
    }

    void Answer(uint response) {
        if (response == ResponseSuccess)
            Finish(ShellResult::Opened);
        else if (response == ResponseCancelled)
            Finish(ShellResult::Cancelled);
        else
            Finish(ShellResult::Failed);
    }

    // The chooser may still be open: it is closed, so that it does not stay beside the box
    // that the failure brings. Nothing answers a Close; none is waited for.
    void Expired() {
        if (!done_) return;
        const QString& path = handlePath_.isEmpty() ? tokenPath_ : handlePath_;
        bus_.send(QDBusMessage::createMethodCall(PortalService, path, RequestInterface, QStringLiteral("Close")));
        Finish(ShellResult::Failed);
    }

    void Finish(std::int32_t code) {
        ShellDone done = std::exchange(done_, nullptr);
        if (!done) return;
        deadline_.stop();
        if (listening_)
            bus_.disconnect(QString(), QString(), RequestInterface, ResponseSignal, this,
                            SLOT(Response(uint, QVariantMap, QDBusMessage)));
        listening_ = false;
        deleteLater();
        try {
            done(code);
        } catch (...) {
        }
    }

    QDBusConnection bus_;
    ShellDone done_;
    QTimer deadline_;
    bool listening_ = false;
    QString tokenPath_;
    QString handlePath_;
    QHash<QString, uint> early_;
};

}  // namespace

QString PortalParentWindow(std::int32_t ownerWindow, const QString& platformName) {
    if (ownerWindow == 0 || platformName != QLatin1String("xcb")) return QString();
    return QStringLiteral("x11:") + QString::number(static_cast<std::uint32_t>(ownerWindow), 16);
}

QString PortalParentWindow(std::int32_t ownerWindow) {
    return PortalParentWindow(ownerWindow, QGuiApplication::platformName());
}

void AskPortalToChoose(const QString& parentWindow, const std::string& address, ShellDone done, int deadlineMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !QCoreApplication::instance()) {
        done(ShellResult::Failed);
        return;
    }
    (new PortalRequest(bus, std::move(done)))->Start(parentWindow, address, deadlineMs);
}

}  // namespace pellucor

#include "DesktopPortal.moc"
