#include "FakePortal.h"

#include <QDBusError>

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
    if (!accepts_) sendErrorReply(QDBusError::AccessDenied, QStringLiteral("refused"));
    return QDBusObjectPath(QStringLiteral("/org/freedesktop/portal/desktop/request/1_1/t1"));
}

}  // namespace pellucor::testing
