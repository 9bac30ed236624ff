#pragma once

#include "platform/Notifier.h"

#include <QTextStream>

namespace reelwright {

// Messages of the converter's core, written as lines on the error output.
class ConsoleNotifier final : public Notifier {
  public:
    explicit ConsoleNotifier(QTextStream& err) : err_(err) {}
    void Show(const QString& text, MessageIcon icon) override;

  private:
    QTextStream& err_;
};

}  // namespace reelwright
