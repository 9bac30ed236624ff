#pragma once

#include "platform/Desktop.h"

namespace reelwright {

// The real handler: xdg-open, or Qt's own opener where xdg-open is missing.
class SystemDesktop final : public Desktop {
  public:
    void Open(const QString& target, const QString& workingFolder) override;
};

}  // namespace reelwright
