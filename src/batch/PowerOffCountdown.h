#pragma once

#include <QObject>

namespace reelwright {

// The minute before the machine is switched off after a batch: it can be cut short or called
// off. It only counts; the window shows it and the power seam switches off.
class PowerOffCountdown : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSeconds = 60;

    using QObject::QObject;

    void Start();
    // One second has gone by.
    void Tick();
    void Cancel();
    void PowerOffNow();

    bool Running() const { return running_; }
    int SecondsLeft() const { return secondsLeft_; }

  signals:
    void Changed(int secondsLeft);
    // Once per countdown: the machine is to be switched off, or not.
    void Ended(bool powerOff);

  private:
    void End(bool powerOff);

    bool running_ = false;
    int secondsLeft_ = kSeconds;
};

}  // namespace reelwright
