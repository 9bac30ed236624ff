#include "platform/AppInfo.h"
#include "platform/DBusNotifications.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/SignalWatcher.h"
#include "platform/SystemDesktop.h"
#include "platform/SystemPower.h"
#include "window/RunningWindow.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace reelwright;

namespace {

const char kUsage[] =
    "Usage: reelwright [--verbose] [FILE|FOLDER...]\n"
    "Starts the Reelwright Video Converter window. Files given are added to its list, and\n"
    "folders bring the files directly inside them, as when they are dropped on the list.\n"
    "\n"
    "  --verbose   tell on the error output what became of each file given\n"
    "  --help      show this and end\n"
    "  --version   show the version and end\n"
    "\n"
    "Converting without a window: reelwright-cli --help.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window is made, so they need no display.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("reelwright %d.%d.%d\n", REELWRIGHT_VERSION_MAJOR, REELWRIGHT_VERSION_MINOR,
                        REELWRIGHT_VERSION_REVISION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setOrganizationName(QString::fromLatin1(kMakerName));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fennick.Reelwright"));

    // Qt has taken its own options out; the rest are files, and perhaps --verbose.
    QStringList files;
    bool verbose = false;
    bool onlyFiles = false;
    for (const QString& argument : app.arguments().mid(1)) {
        if (!onlyFiles && argument == u"--") {
            onlyFiles = true;
        } else if (!onlyFiles && argument == u"--verbose") {
            verbose = true;
        } else if (!onlyFiles && argument.startsWith(u'-')) {
            std::fprintf(stderr, "reelwright: unknown option %s\n%s", qPrintable(argument), kUsage);
            return 2;
        } else {
            files << QDir::toNativeSeparators(QDir::current().absoluteFilePath(argument));
        }
    }

    // The desktop's language, English where none of ours fits.
    InstallTranslations(app);

    // The real outside world; tests install recording stand-ins instead.
    MessageBoxNotifier notifier;
    FileDialogs dialogs;
    SystemDesktop desktop;
    SystemPower power;
    DBusNotifications notifications;
    Notifier::Install(&notifier);
    DesktopNotifications::Install(&notifications);
    Dialogs::Install(&dialogs);
    Desktop::Install(&desktop);
    Power::Install(&power);

    // A signal or the session's end keeps the choices as a close would. Watched from before the
    // window is made: an ending asked at any moment of the start ends it, also while the kept
    // list is read.
    SignalWatcher endings;
    frmMain* started = nullptr;
    bool sessionEnding = false;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&started, &sessionEnding] {
        if (started) {
            started->SessionEnding();
        } else {
            sessionEnding = true;  // carried out once the window is there
        }
    });
    const auto endingAsked = [&endings] { return endings.Caught() != 0; };

    // One window keeps the list: a window started while another runs gives it its files.
    const auto handedOver = [&files, verbose, &endingAsked] {
        if (!RunningWindow::HandTo(files, RunningWindow::kWaitMs, endingAsked)) {
            return false;
        }
        if (verbose) {
            std::fprintf(stderr, "reelwright: %lld files given to the Reelwright window open\n",
                         static_cast<long long>(files.size()));
        }
        return true;
    };
    if (QueueKeeper::ListKeptElsewhere() && handedOver()) {
        return 0;
    }
    if (const int signal = endings.Caught()) {
        return SignalWatcher::ExitStatusFor(signal);  // nothing of ours to keep yet
    }

    frmMain window(endingAsked);
    started = &window;
    if (sessionEnding) {
        window.SessionEnding();
    }
    // Two started at once: the other one took the list first.
    if (!window.StartAbandoned() && window.Keeper().IsGuest() && handedOver()) {
        return 0;
    }
    if (const int signal = endings.Caught()) {
        // Asked for during the start: the choices are kept, and the list if it was read.
        window.EndProgram(SignalWatcher::ExitStatusFor(signal));
        return SignalWatcher::ExitStatusFor(signal);
    }
    QObject::connect(&endings, &SignalWatcher::Received, &window, [&window](int signal) {
        window.EndProgram(SignalWatcher::ExitStatusFor(signal));
    });
    notifier.SetOwner(&window);
    window.show();
    if (!files.isEmpty()) {
        // Once the window shows, and after the choices are restored: as a drop on the list.
        QTimer::singleShot(0, &window, [&window, files, verbose] {
            window.AddGivenFiles(files, verbose);
        });
    }
    return QApplication::exec();
}
