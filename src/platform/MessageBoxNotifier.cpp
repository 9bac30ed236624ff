#include "platform/MessageBoxNotifier.h"

#include "platform/AppInfo.h"

#include <QMessageBox>

namespace reelwright {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            boxIcon = QMessageBox::Information;
            break;
        case MessageIcon::Warning:
            boxIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            boxIcon = QMessageBox::Critical;
            break;
    }
    return boxIcon;
}

// However much a message has to say, the box fits the screen; it keeps its line breaks as a
// label wants them.
QString BoxText(const QString& text) {
    QString shown = BoundedMessage(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

MessageBoxNotifier::MessageBoxNotifier(QWidget* owner)
    : owner_(owner), told_([this](const BoxQueue::Box& told, std::function<void()> closed) {
          auto* box = new QMessageBox(BoxIcon(told.icon), QString::fromLatin1(kProductName),
                                      BoxText(told.text), QMessageBox::Ok, owner_);
          box->setDetailedText(BoxDetails(told.text, told.details));
          box->setTextInteractionFlags(Qt::TextSelectableByMouse);
          box->setAttribute(Qt::WA_DeleteOnClose);
          box->setWindowModality(Qt::NonModal);
          QObject::connect(box, &QDialog::finished, box, [closed] { closed(); });
          box->show();
      }) {}

void MessageBoxNotifier::Show(const QString& text, MessageIcon icon, const QString& details) {
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(kProductName), BoxText(text),
                    QMessageBox::Ok, owner_);
    // A long list scrolls in the details, under "Show Details...".
    box.setDetailedText(BoxDetails(text, details));
    // A name in it can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void MessageBoxNotifier::Tell(const QString& text, MessageIcon icon, const QString& details) {
    told_.Add(text, icon, details);
}

}  // namespace reelwright
