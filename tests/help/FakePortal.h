// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Stands in for the desktop portal's OpenURI interface on a private session bus, and keeps
// what it was asked. Like the real portal it answers the call with a request handle and the
// user's choice later, in the request's Response signal.

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <mutex>
#include <optional>

namespace pellucor::testing {

struct PortalRequest {
    QString parentWindow;
    QString uri;
    QVariantMap options;
};

struct PortalBehaviour {
    bool accepts = true;           // false: the call itself fails
    int replyDelayMs = 0;          // a slow portal
    std::optional<uint> response;  // the Response signal's code; none: the chooser stays open
    bool ignoresToken = false;     // an older portal: names the request itself
    bool answersFirst = false;     // the Response goes out before the call's reply
    int responseDelayMs = 0;       // the user takes this long to choose
};

// The request object the portal exports: records a Close, and otherwise does nothing (a
// Response already on its way still goes out).
class FakeRequest : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    using QObject::QObject;
    std::optional<QString> Closed() const;

public Q_SLOTS:
    void Close();

private:
    mutable std::mutex mutex_;
    std::optional<QString> closed_;
};

class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.OpenURI")

public:
    explicit FakePortal(PortalBehaviour behaviour) : behaviour_(behaviour), request_(this) {}
    std::optional<PortalRequest> Received() const;
    // The path of the request that was closed, if one was.
    std::optional<QString> Closed() const { return request_.Closed(); }
    // Whether the Response signal has gone out.
    bool Responded() const;

public Q_SLOTS:
    QDBusObjectPath OpenURI(const QString& parent_window, const QString& uri, const QVariantMap& options);

private:
    PortalBehaviour behaviour_;
    FakeRequest request_;
    mutable std::mutex mutex_;
    std::optional<PortalRequest> received_;
    bool responded_ = false;
};

}  // namespace pellucor::testing
