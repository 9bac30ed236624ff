#include "platform/DBusNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace reelwright {

void DBusNotifications::Notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout.
    call << QStringLiteral("Reelwright Video Converter") << 0U
         << QStringLiteral("org.fennick.Reelwright") << summary << body << QStringList()
         << QVariantMap() << -1;
    // Not waited for: a missing or slow service must not hold the window.
    bus.send(call);
}

}  // namespace reelwright
