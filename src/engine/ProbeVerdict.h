#pragma once

#include <QString>

namespace reelwright {

// The encoder's answer to whether it can read a file, with why not.
struct ProbeVerdict {
    // A bare yes or no is a verdict too (a stand-in probe's).
    ProbeVerdict(bool isReadable = true)
        : readable(isReadable) {}  // NOLINT(google-explicit-constructor)

    bool readable = true;
    QString reason;  // why it cannot be read, in the user's words
    QString text;    // what the probe said, for whoever wants the details
    bool timedOut = false;  // no answer within the time limit: unreadable, or only slow
};

}  // namespace reelwright
