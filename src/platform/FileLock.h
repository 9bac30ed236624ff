#pragma once

#include <functional>

namespace reelwright {

// The locks that die with their holder (flock) on the files being written, taken through one
// function that a test replaces to stand for a file system that keeps no locks.
class FileLock {
  public:
    using Function = std::function<int(int fd, int operation)>;  // as flock(2)

    enum class Result {
        Held,           // ours now
        HeldElsewhere,  // another process holds it
        Unknown         // the file system keeps no locks (ENOLCK on some network folders)
    };
    // Locks an open file without waiting. With Unknown, `error` gets the system's error.
    static Result TryExclusive(int fd, int* error = nullptr);

    // Installs a lock function and returns the previous one; an empty function restores flock.
    static Function Install(Function lock);
};

}  // namespace reelwright
