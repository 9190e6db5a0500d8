// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "FakePortal.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QThread>
#include <QTimer>

namespace pellucor::testing {

std::optional<PortalRequest> FakePortal::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::optional<QString> FakeRequest::Closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

void FakeRequest::Close() {
    std::lock_guard lock(mutex_);
    closed_ = message().path();
}

bool FakePortal::Responded() const {
    std::lock_guard lock(mutex_);
    return responded_;
}

QDBusObjectPath FakePortal::OpenURI(const QString& parent_window, const QString& uri, const QVariantMap& options) {
    {
        std::lock_guard lock(mutex_);
        received_ = PortalRequest{parent_window, uri, options};
    }
    // The portal answers from a thread of its own, so sleeping here stalls only the portal.
    if (behaviour_.replyDelayMs > 0) QThread::msleep(static_cast<unsigned long>(behaviour_.replyDelayMs));
    if (!behaviour_.accepts) {
        sendErrorReply(QDBusError::AccessDenied, QStringLiteral("refused"));
        return {};
    }
    static int requests = 0;
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString name = behaviour_.ignoresToken ? QStringLiteral("old%1").arg(++requests)
                                                 : options.value(QStringLiteral("handle_token")).toString();
    const QDBusObjectPath handle(QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                                 QLatin1Char('/') + name);
    connection().registerObject(handle.path(), &request_, QDBusConnection::ExportAllSlots);
    if (!behaviour_.response) return handle;

    QDBusConnection bus = connection();
    auto respond = [this, bus, path = handle.path(), code = *behaviour_.response]() mutable {
        QDBusMessage response =
            QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << code << QVariantMap();
        bus.send(response);
        std::lock_guard lock(mutex_);
        responded_ = true;
    };
    setDelayedReply(true);
    if (behaviour_.answersFirst) respond();
    bus.send(message().createReply(QVariant::fromValue(handle)));
    if (behaviour_.answersFirst) return handle;
    if (behaviour_.responseDelayMs > 0)
        QTimer::singleShot(behaviour_.responseDelayMs, this, respond);
    else
        respond();
    return handle;
}

}  // namespace pellucor::testing
