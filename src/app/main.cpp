#include "platform/AppInfo.h"
#include "platform/DBusNotifications.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/MessageBoxNotifier.h"
#include "platform/SignalWatcher.h"
#include "platform/SystemDesktop.h"
#include "platform/SystemPower.h"
#include "window/Look.h"
#include "window/RunningWindow.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

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

// The files given on the command line, as absolute paths.
struct Given {
    QStringList files;
    bool verbose = false;
};

// Answers --help and --version before any window is made, so they need no display.
std::optional<int> AnsweredWithoutWindow(int argc, char* argv[]) {
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
    return std::nullopt;
}

// Qt has taken its own options out; the rest are files, and perhaps --verbose. None when an
// option is unknown (said on the error output).
std::optional<Given> ReadArguments(const QStringList& arguments) {
    Given given;
    bool onlyFiles = false;
    for (const QString& argument : arguments.mid(1)) {
        if (!onlyFiles && argument == u"--") {
            onlyFiles = true;
        } else if (!onlyFiles && argument == u"--verbose") {
            given.verbose = true;
        } else if (!onlyFiles && argument.startsWith(u'-')) {
            std::fprintf(stderr, "reelwright: unknown option %s\n%s", qPrintable(argument), kUsage);
            return std::nullopt;
        } else {
            given.files << QDir::toNativeSeparators(QDir::current().absoluteFilePath(argument));
        }
    }
    return given;
}

// The real outside world; tests install recording stand-ins instead.
struct OutsideWorld {
    MessageBoxNotifier notifier;
    FileDialogs dialogs;
    SystemDesktop desktop;
    SystemPower power;
    DBusNotifications notifications;

    OutsideWorld() {
        Notifier::Install(&notifier);
        DesktopNotifications::Install(&notifications);
        Dialogs::Install(&dialogs);
        Desktop::Install(&desktop);
        Power::Install(&power);
    }
};

// The session's end may be asked for before the window is there: it is carried out once it is.
class SessionEnd {
  public:
    void Asked() {
        if (window_) {
            window_->SessionEnding();
        } else {
            asked_ = true;
        }
    }
    void WindowMade(frmMain* window) {
        window_ = window;
        if (asked_) {
            window_->SessionEnding();
        }
    }

  private:
    frmMain* window_ = nullptr;
    bool asked_ = false;
};

// One window keeps the list: a window started while another runs gives it its files. True when
// the running one took them.
bool HandedOver(const Given& given, const std::function<bool()>& endingAsked) {
    const RunningWindow::Handing handing =
        RunningWindow::HandTo(given.files, RunningWindow::kWaitMs, endingAsked);
    if (!handing.refused.isEmpty()) {
        std::fprintf(stderr, "reelwright: %s\n", qPrintable(handing.refused));
    }
    if (!handing.taken) {
        return false;
    }
    if (given.verbose) {
        std::fprintf(stderr, "reelwright: %lld files given to the Reelwright window open\n",
                     static_cast<long long>(given.files.size()));
    }
    return true;
}

// Makes the window and runs it until the program ends; the exit status.
int RunWindow(const Given& given, SignalWatcher& endings, SessionEnd& sessionEnd,
              MessageBoxNotifier& notifier) {
    const auto endingAsked = [&endings] { return endings.Caught() != 0; };
    frmMain window(endingAsked);
    sessionEnd.WindowMade(&window);
    // Two started at once: the other one took the list first.
    if (!window.StartAbandoned() && window.Keeper().IsGuest() && HandedOver(given, endingAsked)) {
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
    if (!given.files.isEmpty()) {
        // Once the window shows, and after the choices are restored: as a drop on the list.
        QTimer::singleShot(0, &window, [&window, files = given.files, verbose = given.verbose] {
            window.AddGivenFiles(files, verbose);
        });
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = AnsweredWithoutWindow(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setOrganizationName(QString::fromLatin1(kMakerName));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fennick.Reelwright"));
    // The design's light grounds stay, so its dark text stays too, on a dark desktop as well.
    look::KeepOwnLook();

    const std::optional<Given> given = ReadArguments(app.arguments());
    if (!given) {
        return 2;
    }
    // The desktop's language, English where none of ours fits.
    InstallTranslations(app);
    OutsideWorld world;

    // A signal or the session's end keeps the choices as a close would. Watched from before the
    // window is made: an ending asked at any moment of the start ends it, also while the kept
    // list is read.
    SignalWatcher endings;
    SessionEnd sessionEnd;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&sessionEnd] { sessionEnd.Asked(); });
    const auto endingAsked = [&endings] { return endings.Caught() != 0; };
    if (QueueKeeper::ListKeptElsewhere() && HandedOver(*given, endingAsked)) {
        return 0;
    }
    if (const int signal = endings.Caught()) {
        return SignalWatcher::ExitStatusFor(signal);  // nothing of ours to keep yet
    }
    return RunWindow(*given, endings, sessionEnd, world.notifier);
}
