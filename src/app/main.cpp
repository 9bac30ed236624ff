#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/SystemPower.h"
#include "window/frmMain.h"

#include <QApplication>

using namespace reelwright;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setOrganizationName(QString::fromLatin1(kMakerName));

    // The real outside world; tests install recording stand-ins instead.
    MessageBoxNotifier notifier;
    FileDialogs dialogs;
    SystemDesktop desktop;
    SystemPower power;
    Notifier::Install(&notifier);
    Dialogs::Install(&dialogs);
    Desktop::Install(&desktop);
    Power::Install(&power);

    frmMain window;
    notifier.SetOwner(&window);
    window.show();
    return QApplication::exec();
}
