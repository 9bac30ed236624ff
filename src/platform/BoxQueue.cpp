#include "platform/BoxQueue.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace reelwright {

namespace {

int Gravity(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return 3;
        case MessageIcon::Warning:
            return 2;
        case MessageIcon::Information:
            return 1;
        case MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

void BoxQueue::Add(const QString& text, MessageIcon icon, const QString& details) {
    waiting_.push_back({text, icon, details});
    if (!up_) {
        OpenNext();
    }
}

void BoxQueue::OpenNext() {
    if (waiting_.empty()) {
        return;
    }
    const Box box = waiting_.size() == 1 ? waiting_.front() : Together(waiting_);
    waiting_.clear();
    up_ = true;
    const int mine = ++opened_;
    open_(box, [this, mine] {
        if (mine != opened_ || !up_) {
            return;  // a second call for the same box
        }
        up_ = false;
        OpenNext();
    });
}

BoxQueue::Box BoxQueue::Together(const std::deque<Box>& boxes) {
    Box together;
    QStringList details;
    for (const Box& box : boxes) {
        if (Gravity(box.icon) > Gravity(together.icon)) {
            together.icon = box.icon;
        }
        QString item = box.text;
        if (!box.details.isEmpty()) {
            item += u'\n' + box.details;
        }
        details << item;
    }
    const int more = static_cast<int>(boxes.size()) - 1;
    together.text = boxes.front().text + QStringLiteral("\r\n\r\n") +
                    QCoreApplication::translate("reelwright::BoxQueue",
                                                "%n more came meanwhile; all of them are "
                                                "under Show Details.",
                                                nullptr, more);
    together.details = details.join(QStringLiteral("\n\n"));
    return together;
}

}  // namespace reelwright
