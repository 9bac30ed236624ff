#pragma once

#include <QString>

namespace reelwright {

enum class MessageIcon { None, Information, Warning, Error };

// Every message box of the program goes through here, so tests record instead of blocking.
class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void Show(const QString& text, MessageIcon icon) = 0;

    // The one installed notifier; without one, messages go to the log.
    static Notifier& Current();
    // Installs a notifier (not owned) and returns the previous one; nullptr restores the log.
    static Notifier* Install(Notifier* notifier);
};

}  // namespace reelwright
