#pragma once

#include "platform/Power.h"

namespace reelwright {

// The login manager's power-off. Linked into the program only, never into a test.
class SystemPower final : public Power {
  public:
    void Request(PowerAction action) override;
};

}  // namespace reelwright
