// The window with ten thousand files: a folder of them added, the grid scrolled and repainted
// while three rows convert (the kept list written meanwhile), and the next start with all of
// them kept. For each, how long it takes, the longest time the event loop goes without a turn
// (a 10 ms timer records its latest tick) and the memory the process holds.
//
//   bench_window [FILES] [SECONDS_CONVERTING]
//
// With TRACE_PAUSES set, each stall of the window's thread prints where it is.
#include "PauseMeter.h"
#include "PauseTracer.h"
#include "joblist/JobGrid.h"
#include "joblist/JobList.h"
#include "joblist/JobListStore.h"
#include "platform/SettingsFolder.h"
#include "window/MyButton.h"
#include "window/frmMain.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace reelwright;

namespace {

// A line of /proc/self/status, in MB.
double StatusMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return 0;
}

// Whether `done` came true within `ms`, the events handled meanwhile.
bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// `count` copies of three short, small clips (the list takes a file under two names once).
QStringList MakeFolder(const QTemporaryDir& dir, int count) {
    QStringList clips;
    for (int i = 0; i < 3; ++i) {
        const QString clip = dir.filePath(QStringLiteral("clip %1.mkv").arg(i));
        test::MakeClip(clip, 2, QStringLiteral("64x48"));
        clips << clip;
    }
    const QString folder = dir.filePath(QStringLiteral("videos"));
    QDir().mkpath(folder);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name =
            QDir(folder).filePath(QStringLiteral("video %1.mkv").arg(i, 5, 10, QChar('0')));
        QFile::copy(clips[i % 3], name);
        names << name;
    }
    return names;
}

double BareProbeSeconds(const QStringList& names, int sample) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < sample; ++i) {
        QProcess ffmpeg;
        ffmpeg.start(test::SystemEncoder(), {QStringLiteral("-i"), names[i]});
        ffmpeg.waitForFinished(-1);
    }
    return timer.elapsed() / 1000.0 / sample * names.size();
}

struct Phase {
    qint64 ms = 0;
    qint64 longestPause = 0;
};

Phase AddFolder(frmMain& window, test::ScriptedDialogs& dialogs, const QString& folder, int count) {
    dialogs.folderAnswers = {folder};
    PauseMeter meter;
    QElapsedTimer timer;
    timer.start();
    meter.Start();
    QTest::mouseClick(window.cmdAddFolder, Qt::LeftButton);
    if (!WaitFor([&] { return window.Jobs().Store()->RecordCount() >= count; }, 120000)) {
        std::fprintf(stderr, "only %d rows listed\n", window.Jobs().Store()->RecordCount());
    }
    QCoreApplication::processEvents();
    meter.Stop();
    return {timer.elapsed(), meter.LongestMs()};
}

// Converts three at once for `seconds` while the grid is scrolled through, a step each 15 ms.
Phase ConvertScrolling(frmMain& window, int seconds, int* converted) {
    window.cmbFilesAtOnce->setCurrentIndex(3);
    QScrollBar* bar = window.Grid->verticalScrollBar();
    QTimer scroll;
    scroll.setInterval(15);
    QObject::connect(&scroll, &QTimer::timeout, [bar] {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep() / 3);
    });
    QTimer::singleShot(seconds * 1000, &window,
                       [&window] { QTest::mouseClick(window.cmdConvert, Qt::LeftButton); });
    PauseMeter meter;
    QElapsedTimer timer;
    timer.start();
    meter.Start();
    scroll.start();
    // The batch runs within the click, turning the event loop, until the Stop above.
    QTest::mouseClick(window.cmdConvert, Qt::LeftButton);
    scroll.stop();
    meter.Stop();
    *converted = 0;
    for (int row = 0; row < window.Jobs().Store()->RecordCount(); ++row) {
        *converted += window.Jobs().Store()->Row(row).status == QStringLiteral("Complete");
    }
    return {timer.elapsed(), meter.LongestMs()};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(state.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    pause_tracer::StartIfAsked();
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    if (test::SystemEncoder().isEmpty()) {
        std::fprintf(stderr, "ffmpeg is not installed\n");
        return 1;
    }
    SettingsFolder::Override(state.filePath(QStringLiteral("settings")));
    test::TempProgramFolder program;
    program.AddShippedCatalogues();
    test::RecordingNotifier notifier;
    test::ScriptedDialogs dialogs;
    test::RecordingDesktop desktop;
    test::RecordingPower power;
    QTemporaryDir media;
    const QStringList names = MakeFolder(media, count);
    const double bare = BareProbeSeconds(names, std::min<int>(count, 200));
    const double before = StatusMb("VmRSS:");

    auto window = std::make_unique<frmMain>();
    window->show();
    WaitFor([] { return false; }, 1000);  // shown and drawn, as before a user's first click
    const Phase add = AddFolder(*window, dialogs, QFileInfo(names.first()).path(), count);
    std::printf(
        "adding %d files: %.1f s, %.3f of bare probes (%.1f s, from 200), longest "
        "event-loop pause %lld ms\n",
        count, add.ms / 1000.0, add.ms / 1000.0 / bare, bare,
        static_cast<long long>(add.longestPause));
    std::printf("memory: %.0f MB before, %.0f MB with %d rows (peak %.0f MB)\n", before,
                StatusMb("VmRSS:"), window->Jobs().Store()->RecordCount(), StatusMb("VmHWM:"));

    window->txtOutPath->setText(media.filePath(QStringLiteral("results")));
    int converted = 0;
    const Phase scroll = ConvertScrolling(*window, seconds, &converted);
    std::printf(
        "scrolling while three convert: %.1f s, %d converted, longest event-loop pause "
        "%lld ms\n",
        scroll.ms / 1000.0, converted, static_cast<long long>(scroll.longestPause));

    window.reset();
    QElapsedTimer timer;
    timer.start();
    PauseMeter meter;
    meter.Start();
    window = std::make_unique<frmMain>();
    window->show();
    const bool back =
        WaitFor([&] { return window->Jobs().Store()->RecordCount() >= count; }, 60000);
    const qint64 shown = timer.elapsed();
    WaitFor([] { return false; }, 1000);
    meter.Stop();
    std::printf(
        "restart with %d kept rows: %s in %lld ms; longest event-loop pause %lld ms "
        "(the first second after included)\n",
        count, back ? "listed" : "NOT listed", static_cast<long long>(shown),
        static_cast<long long>(meter.LongestMs()));
    std::printf("messages shown: %lld\n", static_cast<long long>(notifier.messages.size()));
    return 0;
}
