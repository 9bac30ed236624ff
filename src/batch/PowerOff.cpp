#include "batch/PowerOff.h"

namespace reelwright {

std::optional<PowerAction> PowerActionForMode(int mode) {
    switch (mode) {
        case 0:
            return PowerAction::LogOff;
        case 1:
        case 8:
            return PowerAction::PowerOff;
        case 2:
            return PowerAction::Reboot;
        default:
            return std::nullopt;
    }
}

void EnableShutdownPrivilege() {
    // No token to adjust: logind asks polkit when the request arrives.
}

void ShutdownSystem(int mode) {
    EnableShutdownPrivilege();
    if (const std::optional<PowerAction> action = PowerActionForMode(mode)) {
        Power::Current().Request(*action);
    }
}

}  // namespace reelwright
