#pragma once

#include <QString>

namespace reelwright {

enum class MessageIcon { None, Information, Warning, Error };

// A message cut to what a box can show: at most kMaxLines lines of at most kMaxLineLength
// characters, kMaxCharacters in all, its beginning (the sentence and the cause) kept.
QString BoundedMessage(const QString& text);
inline constexpr int kMaxMessageLines = 20;
inline constexpr int kMaxMessageLineLength = 640;  // a paragraph of advice, not a flood
inline constexpr int kMaxMessageCharacters = 4096;

// Details cut to at most kMaxDetailLines lines, with how many more there were.
QString BoundedDetails(const QString& details);
inline constexpr int kMaxDetailLines = 1000;

// What a box shows under Show Details: the details given; without any, the whole message when
// the box would cut it or could not wrap a word of it (a name with no space or separator in
// kLongestWrappedWord characters), so nothing of it is out of reach.
QString BoxDetails(const QString& text, const QString& details);
inline constexpr int kLongestWrappedWord = 60;

// Every message box of the program goes through here, so tests record instead of blocking.
class Notifier {
  public:
    virtual ~Notifier() = default;
    // `details` is what only some want to read (which files, and why), one item per line.
    virtual void Show(const QString& text, MessageIcon icon, const QString& details) = 0;
    void Show(const QString& text, MessageIcon icon) { Show(text, icon, QString()); }
    // The same, without waiting for the user: for what is worth knowing while the program goes
    // on (a batch converting). By default it is shown as Show shows it.
    virtual void Tell(const QString& text, MessageIcon icon, const QString& details) {
        Show(text, icon, details);
    }
    void Tell(const QString& text, MessageIcon icon) { Tell(text, icon, QString()); }

    // The one installed notifier; without one, messages go to the log.
    static Notifier& Current();
    // Installs a notifier (not owned) and returns the previous one; nullptr restores the log.
    static Notifier* Install(Notifier* notifier);

    // For its lifetime no message waits for the user: every Show is told instead, so a
    // batch goes on while its failures' boxes are up.
    class Unattended;
};

class Notifier::Unattended final : public Notifier {
  public:
    Unattended() : previous_(Install(this)) {}
    ~Unattended() override { Install(previous_); }
    Unattended(const Unattended&) = delete;
    Unattended& operator=(const Unattended&) = delete;
    using Notifier::Show;
    void Show(const QString& text, MessageIcon icon, const QString& details) override {
        Inner().Tell(text, icon, details);
    }
    using Notifier::Tell;
    void Tell(const QString& text, MessageIcon icon, const QString& details) override {
        Inner().Tell(text, icon, details);
    }

  private:
    Notifier& Inner();
    Notifier* previous_;
};

}  // namespace reelwright
