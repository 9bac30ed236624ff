#include "platform/SystemPower.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace reelwright {

void SystemPower::Request(PowerAction action) {
    // logind decides, through polkit, whether this user may do it; failures stay silent.
    switch (action) {
        case PowerAction::PowerOff:
            QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
            break;
        case PowerAction::Reboot:
            QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("reboot")});
            break;
        case PowerAction::LogOff: {
            const QString session =
                QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_SESSION_ID"));
            if (!session.isEmpty()) {
                QProcess::startDetached(QStringLiteral("loginctl"),
                                        {QStringLiteral("terminate-session"), session});
            }
            break;
        }
    }
}

}  // namespace reelwright
