#pragma once

#include "platform/Power.h"

#include <optional>

namespace reelwright {

// What a shutdown mode asks for: 0 log off, 1 power off, 2 reboot, 8 power off; others nothing.
std::optional<PowerAction> PowerActionForMode(int mode);

// The right to switch the machine off; here the login manager decides when asked.
void EnableShutdownPrivilege();

// Ends the session or switches the machine off through the power seam; failures stay silent.
void ShutdownSystem(int mode);

}  // namespace reelwright
