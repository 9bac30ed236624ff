#pragma once

#include "platform/Notifier.h"

#include <QString>

#include <deque>
#include <functional>

namespace reelwright {

// Boxes that must not hold the program come one at a time: while one is up, the next are
// gathered, and shown together when it goes, so none is lost and the screen is not buried.
class BoxQueue {
  public:
    struct Box {
        QString text;
        MessageIcon icon = MessageIcon::None;
        QString details;
    };
    // Puts a box up without waiting for it; `closed` is to be called once it has gone.
    using Opener = std::function<void(const Box& box, std::function<void()> closed)>;

    explicit BoxQueue(Opener open) : open_(std::move(open)) {}

    void Add(const QString& text, MessageIcon icon, const QString& details);
    bool BoxUp() const { return up_; }
    int Gathered() const { return static_cast<int>(waiting_.size()); }

    // The one box that stands for several: the first's text and how many more came, every
    // one of them in the details, the gravest icon.
    static Box Together(const std::deque<Box>& boxes);

  private:
    void OpenNext();

    Opener open_;
    std::deque<Box> waiting_;
    bool up_ = false;
    int opened_ = 0;  // which box a `closed` belongs to
};

}  // namespace reelwright
