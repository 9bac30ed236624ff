#pragma once

#include <QString>

namespace reelwright {

// A note on the desktop (the bubble a finished download shows), not a box to click away. Tests
// record instead; without an installed one, notes are only logged.
class DesktopNotifications {
  public:
    virtual ~DesktopNotifications() = default;
    virtual void Notify(const QString& summary, const QString& body) = 0;

    static DesktopNotifications& Current();
    static DesktopNotifications* Install(DesktopNotifications* notifications);
};

}  // namespace reelwright
