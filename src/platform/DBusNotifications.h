#pragma once

#include "platform/DesktopNotifications.h"

namespace reelwright {

// The desktop's notification service (org.freedesktop.Notifications on the session bus). Where
// there is no session bus, or no service on it, nothing happens and nothing fails.
class DBusNotifications final : public DesktopNotifications {
  public:
    void Notify(const QString& summary, const QString& body) override;
};

}  // namespace reelwright
