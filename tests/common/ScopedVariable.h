#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace reelwright::test {

// Sets an environment variable for its lifetime; a null value unsets it.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, previous_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    bool had_;
    QByteArray previous_;
};

}  // namespace reelwright::test
