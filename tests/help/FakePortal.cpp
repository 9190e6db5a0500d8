// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "FakePortal.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QThread>

namespace pellucor::testing {

std::optional<PortalRequest> FakePortal::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
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
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QDBusObjectPath handle(QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                                 QLatin1Char('/') + options.value(QStringLiteral("handle_token")).toString());
    if (!behaviour_.response) return handle;

    setDelayedReply(true);
    connection().send(message().createReply(QVariant::fromValue(handle)));
    QDBusMessage response =
        QDBusMessage::createSignal(handle.path(), QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response << *behaviour_.response << QVariantMap();
    connection().send(response);
    return handle;
}

}  // namespace pellucor::testing
