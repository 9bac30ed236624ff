#include "platform/Power.h"

#include <QDebug>

namespace reelwright {
namespace {

class LogPower final : public Power {
  public:
    void Request(PowerAction action) override {
        qWarning() << "power request ignored:" << static_cast<int>(action);
    }
};

LogPower g_logPower;
Power* g_power = nullptr;

}  // namespace

Power& Power::Current() {
    return g_power ? *g_power : g_logPower;
}

Power* Power::Install(Power* power) {
    Power* previous = g_power;
    g_power = power;
    return previous;
}

}  // namespace reelwright
