#pragma once

#include "engine/ProbeVerdict.h"

#include <QString>

#include <atomic>

namespace reelwright {

// The encoder's own test of an input, made in this process through the libraries the encoder is
// built on, in a millisecond instead of an encoder start. `ffmpeg -i` calls an input unreadable
// exactly when the library cannot open it as media ("Invalid data found when processing
// input"); the same call here gives the same verdict, but only with the very same libraries, so
// it is used only for an encoder built on the versions and configuration this program runs with.
class LibraryProbe {
  public:
    // Whether the encoder at `encoder` prints the library versions and the configuration this
    // program is linked with. Asked once per encoder file (by its size and time).
    static bool MatchesEncoder(const QString& encoder);
    // What the encoder would say: unreadable when the input cannot be opened as media. One that
    // takes longer than `timeLimitMs`, or whose probe is cancelled, counts as unreadable.
    static ProbeVerdict Probe(const QString& path, int timeLimitMs,
                              const std::atomic<bool>* cancel = nullptr);
    // The versions and configuration as `ffmpeg -version` prints them, for this program.
    static QString LinkedVersions();
};

}  // namespace reelwright
