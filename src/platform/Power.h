#pragma once

namespace reelwright {

enum class PowerAction { LogOff, PowerOff, Reboot };

// Ends the session or switches the machine off. Test programs never link the real one.
class Power {
  public:
    virtual ~Power() = default;
    virtual void Request(PowerAction action) = 0;

    // Without an installed one, requests are only logged.
    static Power& Current();
    static Power* Install(Power* power);
};

}  // namespace reelwright
