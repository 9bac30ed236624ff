#include "platform/MessageBoxNotifier.h"

#include "platform/AppInfo.h"

#include <QMessageBox>

namespace reelwright {

void MessageBoxNotifier::Show(const QString& text, MessageIcon icon, const QString& details) {
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
    // However much a failure has to say, the box fits the screen and its button can be reached.
    QString shown = BoundedMessage(text);
    // The messages keep their CR LF line breaks; a label wants plain line feeds.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon, QString::fromLatin1(kProductName), shown, QMessageBox::Ok, owner_);
    // A long list scrolls in the details, under "Show Details...".
    box.setDetailedText(BoundedDetails(details));
    box.exec();
}

}  // namespace reelwright
