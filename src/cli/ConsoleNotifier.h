#pragma once

#include "platform/Notifier.h"

#include <QTextStream>

namespace reelwright {

// Messages of the converter's core, written as lines on the error output.
class ConsoleNotifier final : public Notifier {
  public:
    explicit ConsoleNotifier(QTextStream& err) : err_(err) {}
    using Notifier::Show;
    void Show(const QString& text, MessageIcon icon, const QString& details) override;

  private:
    QTextStream& err_;
};

}  // namespace reelwright
