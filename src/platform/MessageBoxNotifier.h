#pragma once

#include "platform/Notifier.h"

class QWidget;

namespace reelwright {

// The real notifier: a modal QMessageBox under the program's title.
class MessageBoxNotifier final : public Notifier {
  public:
    explicit MessageBoxNotifier(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }
    using Notifier::Show;
    void Show(const QString& text, MessageIcon icon, const QString& details) override;
    // A box that stays up while the program goes on; it goes when its OK is pressed.
    void Tell(const QString& text, MessageIcon icon) override;

  private:
    QWidget* owner_;
};

}  // namespace reelwright
