#pragma once
// Stands in for the desktop portal's OpenURI interface on a private session bus, and keeps
// what it was asked.

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

class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.OpenURI")

public:
    explicit FakePortal(bool accepts) : accepts_(accepts) {}
    std::optional<PortalRequest> Received() const;

public Q_SLOTS:
    QDBusObjectPath OpenURI(const QString& parent_window, const QString& uri, const QVariantMap& options);

private:
    bool accepts_;
    mutable std::mutex mutex_;
    std::optional<PortalRequest> received_;
};

}  // namespace pellucor::testing
