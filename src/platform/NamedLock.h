#pragma once

#include <QString>

namespace reelwright {

// A lock that other programs (an installer, say) can see while this one runs. It is taken
// shared, so a second instance starts as well; nobody here examines it.
class NamedLock {
  public:
    explicit NamedLock(const QString& name);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Where the lock lives on this machine.
    static QString PathFor(const QString& name);

  private:
    int fd_ = -1;
};

}  // namespace reelwright
