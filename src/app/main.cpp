#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/SignalWatcher.h"
#include "platform/SystemDesktop.h"
#include "platform/SystemPower.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QSessionManager>

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

    // A signal or the session's end keeps the choices as a close would.
    SignalWatcher endings;
    frmMain window;
    QObject::connect(&endings, &SignalWatcher::Received, &window,
                     [&window](int signal) { window.EndProgram(SignalWatcher::ExitStatusFor(signal)); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.SaveSettings(false); });
    notifier.SetOwner(&window);
    window.show();
    return QApplication::exec();
}
