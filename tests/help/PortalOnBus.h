// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The fake portal, registered under the portal's name on the session bus. It answers from a
// thread and a bus connection of its own, as a separate process would.

#include "FakePortal.h"

#include <QDBusConnection>
#include <QThread>

namespace pellucor::testing {

class PortalOnBus {
public:
    explicit PortalOnBus(PortalBehaviour behaviour)
        : portal_(behaviour), bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, Name)) {
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
    PortalOnBus(const PortalOnBus&) = delete;
    PortalOnBus& operator=(const PortalOnBus&) = delete;
    bool Registered() const { return registered_; }
    const FakePortal& Portal() const { return portal_; }

private:
    static inline const QString Name = QStringLiteral("pellucor-fake-portal");
    QThread thread_;
    FakePortal portal_;
    QDBusConnection bus_;
    bool registered_ = false;
};

}  // namespace pellucor::testing
