#pragma once

#include "platform/BoxQueue.h"
#include "platform/Notifier.h"

class QWidget;

namespace reelwright {

// The real notifier: a modal QMessageBox under the program's title.
class MessageBoxNotifier final : public Notifier {
  public:
    explicit MessageBoxNotifier(QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { owner_ = owner; }
    using Notifier::Show;
    void Show(const QString& text, MessageIcon icon, const QString& details) override;
    // A box that stays up while the program goes on; it goes when its OK is pressed. One at a
    // time: what comes meanwhile waits and is gathered into the next.
    using Notifier::Tell;
    void Tell(const QString& text, MessageIcon icon, const QString& details) override;

  private:
    QWidget* owner_;
    BoxQueue told_;
};

}  // namespace reelwright
