#include "platform/AppInfo.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/Notifier.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(reelwright::kProductName));
    reelwright::MessageBoxNotifier notifier;
    reelwright::Notifier::Install(&notifier);
    QLabel window(QStringLiteral("Reelwright Video Converter"));
    window.resize(400, 120);
    window.show();
    return QApplication::exec();
}
