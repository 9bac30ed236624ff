#pragma once

#include <QString>

namespace reelwright {

// A folder the program works out for itself, which tests may point elsewhere.
class OverridablePath {
  public:
    using Fallback = QString (*)();
    explicit OverridablePath(Fallback fallback) : fallback_(fallback) {}

    QString Get() const { return override_.isEmpty() ? fallback_() : override_; }
    // An empty path restores the folder the program works out.
    void Override(const QString& path) { override_ = path; }

  private:
    Fallback fallback_;
    QString override_;
};

}  // namespace reelwright
