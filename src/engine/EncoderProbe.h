#pragma once

#include "engine/ProbeVerdict.h"

#include <QString>

#include <atomic>

namespace reelwright {

// Whether the encoder can read a file, asked from any thread and without a window: through the
// encoder's own libraries when this program runs with the same ones, else by running
// `ffmpeg -i` as the probe always has. A probe takes at most its time limit.
class EncoderProbe {
  public:
    EncoderProbe(QString encoder, int timeLimitMs)
        : encoder_(std::move(encoder)), timeLimitMs_(timeLimitMs) {}

    ProbeVerdict Probe(const QString& path, const std::atomic<bool>* cancel = nullptr) const;
    // Whether the answers come from the libraries in this process. Asked of the encoder the
    // first time (on whichever thread probes first), then known.
    bool InProcess() const;

  private:
    QString encoder_;
    int timeLimitMs_;
};

}  // namespace reelwright
