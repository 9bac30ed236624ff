// The window in a process of its own, converting the files given, so a test can end it as a
// user's machine would (SIGKILL, SIGTERM, a logout) and start the next one. It starts as the
// program does: while another window keeps the list, the files go to that window ("handed" on
// the output) and this one ends. Without files it only starts.
//   window_host PROGRAM_FOLDER SETTINGS_FOLDER OUTPUT_FOLDER [FILE...]
// A line "logout" on its input does what the session's end asks; it answers "kept".
#include "platform/ProgramFolder.h"
#include "platform/SettingsFolder.h"
#include "platform/SignalWatcher.h"
#include "window/MyButton.h"
#include "window/RunningWindow.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include <unistd.h>

using namespace reelwright;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("window_host PROGRAM_FOLDER SETTINGS_FOLDER OUTPUT_FOLDER [FILE...]\n", stderr);
        return 2;
    }
    ProgramFolder::Override(QString::fromLocal8Bit(argv[1]));
    SettingsFolder::Override(QString::fromLocal8Bit(argv[2]));
    QStringList files;
    for (int i = 4; i < argc; ++i) {
        files << QString::fromLocal8Bit(argv[i]);
    }
    // Endings are watched from before the window, as the program does.
    SignalWatcher endings;
    const auto endingAsked = [&endings] { return endings.Caught() != 0; };
    const auto handedOver = [&files, &endingAsked] {
        const RunningWindow::Handing handing =
            RunningWindow::HandTo(files, RunningWindow::kWaitMs, endingAsked);
        if (!handing.refused.isEmpty()) {
            std::fprintf(stderr, "refused: %s\n", qPrintable(handing.refused));
        }
        if (!handing.taken) {
            return false;
        }
        std::fputs("handed\n", stdout);
        return true;
    };
    if (QueueKeeper::ListKeptElsewhere() && handedOver()) {
        return 0;
    }
    if (const int signal = endings.Caught()) {
        return SignalWatcher::ExitStatusFor(signal);
    }
    frmMain window(endingAsked);
    if (!window.StartAbandoned() && window.Keeper().IsGuest() && handedOver()) {
        return 0;
    }
    if (const int signal = endings.Caught()) {
        window.EndProgram(SignalWatcher::ExitStatusFor(signal));
        return SignalWatcher::ExitStatusFor(signal);
    }
    QObject::connect(&endings, &SignalWatcher::Received, &window, [&window](int signal) {
        window.EndProgram(SignalWatcher::ExitStatusFor(signal));
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&window, &input] {
        char line[64] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0) {
            input.setEnabled(false);
            return;
        }
        if (std::strncmp(line, "logout", 6) == 0) {
            window.SessionEnding();
            std::fputs("kept\n", stdout);
            std::fflush(stdout);
        }
    });
    window.optOtherFolder->setChecked(true);
    window.txtOutPath->setText(QString::fromLocal8Bit(argv[3]));
    window.show();
    if (!files.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, files] {
            window.AddGivenFiles(files, false);
            window.cmdConvert->click();
        });
    }
    return QApplication::exec();
}
