#include "joblist/VideoFileAdder.h"

#include "engine/Encoder.h"
#include "engine/Sidecars.h"
#include "joblist/JobList.h"
#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::VideoFileAdder)
};

// Each pattern in both letter cases: file names here are case-sensitive.
QString Patterns(const QStringList& extensions) {
    QStringList patterns;
    for (const QString& extension : extensions) {
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    }
    return patterns.join(u' ');
}

QString JoinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QDir::separator()) ? folder + name : folder + QDir::separator() + name;
}

// How long one step of an add that goes in steps may take, and the pause before the next.
constexpr int kStepMs = 15;
constexpr int kStepPauseMs = 10;

// Files read ahead are added faster than the window paints: it gets a turn now and then.
void KeepWindowAlive(QElapsedTimer& sinceYield) {
    if (sinceYield.elapsed() >= 15) {
        Yield::Run();
        sinceYield.restart();
    }
}

// Looked for once per add: without it every probe would fail the same way.
bool EncoderAvailable() {
    const EncoderLocation encoder = LocateEncoder();
    if (encoder.problem.isEmpty()) {
        return true;
    }
    Notifier::Current().Show(encoder.problem, MessageIcon::Error);
    return false;
}

}  // namespace

QString VideoFileAdder::OpenDialogFilter() {
    const QStringList common{"wmv",  "asf",  "avi", "mpg",  "mpe", "mp2", "mpeg", "mp4", "mov",
                             "dat",  "flv",  "rm",  "rmvb", "yuv", "mkv", "m4v",  "m1v", "m2v",
                             "mpv2", "mp2v", "ts",  "tp",   "tpr", "pva", "pss",  "divx"};
    const QStringList mpeg{"mpg",  "mp2",  "mpeg", "mp4", "mpe", "m4v", "m1v", "m2v",
                           "mpv2", "mp2v", "dat",  "ts",  "tp",  "tpr", "pva", "pss"};
    // The dialog takes the patterns from the last parentheses of each filter.
    const QStringList filters{
        //: A file dialog's filter: keep " (%1)" at the end, it holds the patterns.
        Text::tr("Common Video Files (%1)").arg(Patterns(common)),
        //: A file dialog's filter: keep " (%1)" at the end, it holds the patterns.
        Text::tr("MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)").arg(Patterns(mpeg)),
        //: A file dialog's filter: keep " (%1)" at the end, it holds the patterns.
        Text::tr("Windows Media Files(*.wmv,*.asf) (%1)").arg(Patterns({"wmv", "asf"})),
        //: A file dialog's filter: keep " (%1)" at the end, it holds the patterns.
        Text::tr("AVI Files(*.avi) (%1)").arg(Patterns({"avi"})),
        //: A file dialog's filter: keep " (%1)" at the end, it holds the patterns.
        Text::tr("QuickTime Files-Ver2 or less(*.mov) (%1)").arg(Patterns({"mov"})),
        // Every file, with or without a dot in its name.
        //: A file dialog's filter: keep " (*)" at the end, it is the pattern.
        Text::tr("All Files(*.*) (*)"),
    };
    return filters.join(QStringLiteral(";;"));
}

QStringList VideoFileAdder::GetFolderFiles(const QString& folder) {
    QStringList names;
    for (const QByteArray& name : GetFolderFileNames(folder)) {
        names << QFile::decodeName(name);
    }
    return names;
}

QList<QByteArray> VideoFileAdder::GetFolderFileNames(const QString& folder) {
    // Read by hand: Qt drops a name that is not valid UTF-8 without a word, and the user must
    // hear why such a file is not added.
    QList<QByteArray> names;
    const QByteArray native = QFile::encodeName(folder);
    DIR* listing = ::opendir(native.constData());
    if (!listing) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        // Regular files only (links followed): a pipe or a device would hang the probe.
        struct stat info {};
        if (::stat((native + '/' + name).constData(), &info) == 0 && S_ISREG(info.st_mode)) {
            names << name;
        }
    }
    ::closedir(listing);
    // Each name decoded once, not at every comparison: a folder may hold thousands.
    std::vector<std::pair<QString, QByteArray>> sorted;
    sorted.reserve(static_cast<std::size_t>(names.size()));
    for (const QByteArray& name : names) {
        sorted.emplace_back(QFile::decodeName(name), name);
    }
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    // Subtitle files named after a video go with it, not into the list.
    QStringList decoded;
    names.clear();
    for (const auto& [text, name] : sorted) {
        decoded << text;
        names << name;
    }
    const QStringList kept = Sidecars::WithoutSidecars(decoded);
    if (kept.size() == decoded.size()) {
        return names;
    }
    QList<QByteArray> videos;
    for (qsizetype i = 0, k = 0; i < names.size(); ++i) {
        if (k < kept.size() && kept[k] == decoded[i]) {
            videos << names[i];
            ++k;
        }
    }
    return videos;
}

VideoFileAdder::VideoFileAdder(JobList& jobList, QObject* parent)
    : QObject(parent), jobList_(jobList), stepTimer_(new QTimer(this)) {
    stepTimer_->setSingleShot(true);
    connect(stepTimer_, &QTimer::timeout, this, &VideoFileAdder::Step);
}

template <typename Action>
void VideoFileAdder::Run(Action action) {
    if (adding_ || !EncoderAvailable()) {
        return;
    }
    adding_ = true;
    stopRequested_ = false;
    inSteps_ = stepwise_ && stepwise_();
    emit AddingStarted();
    action();
    if (!inSteps_) {
        adding_ = false;
        emit AddingFinished();
    }
}

void VideoFileAdder::AddVideoFiles(const QStringList& fileList) {
    if (fileList.isEmpty()) {
        return;
    }
    Run([&] { AddEach(fileList, true); });
}

void VideoFileAdder::AddFolder(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    Run([&] {
        // Listed beside the window: a folder of thousands takes a while to read and sort.
        const QStringList files = Yield::Aside([folder] {
            QStringList paths;
            for (const QString& name : GetFolderFiles(folder)) {
                paths << JoinPath(folder, name);
            }
            return paths;
        });
        if (files.isEmpty()) {
            Notifier::Current().Show(Text::tr("Selected Folder is empty."), MessageIcon::Warning);
        }
        AddEach(files, !files.isEmpty());
    });
}

void VideoFileAdder::AddDropped(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    Run([&] { AddEach(Yield::Aside([paths] { return WithFoldersOpened(paths); }), false); });
}

void VideoFileAdder::AddGiven(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    Run([&] { AddEach(Yield::Aside([paths] { return WithFoldersOpened(paths); }), true); });
}

QStringList VideoFileAdder::WithFoldersOpened(const QStringList& paths) {
    // A folder brings the files directly inside it, as Add Folder does.
    QStringList files;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            for (const QString& name : GetFolderFiles(path)) {
                files << JoinPath(path, name);
            }
        } else {
            files << path;
        }
    }
    return files;
}

void VideoFileAdder::AddEach(const QStringList& paths, bool report) {
    refusals_.clear();
    paths_ = paths;
    next_ = 0;
    report_ = report;
    jobList_.ReadAhead(paths);
    // Refusals are told together, each file with its reason, instead of a box per file.
    jobList_.SetRefusalsCollected(true);
    if (inSteps_) {
        stepTimer_->start(0);
        return;
    }
    TakeFiles(false);
    EndAdd();
}

void VideoFileAdder::Step() {
    if (TakeFiles(true)) {
        EndAdd();
        adding_ = false;
        inSteps_ = false;
        emit AddingFinished();
        return;
    }
    // Back soon: a file's probe is still running, or the loop below needs its turn.
    stepTimer_->start(kStepPauseMs);
}

bool VideoFileAdder::TakeFiles(bool stepping) {
    QElapsedTimer sinceYield;
    sinceYield.start();
    while (next_ < paths_.size() && !stopRequested_) {
        if (stepping && (!jobList_.FactsReady(paths_[next_]) || sinceYield.elapsed() >= kStepMs)) {
            return false;
        }
        QString path = paths_[next_++];
        const QString given = path;
        if (!jobList_.AddFile2Grid(path)) {
            refusals_.push_back({given, jobList_.LastRefusal(), jobList_.LastRefusalKind()});
        }
        if (!stepping) {
            KeepWindowAlive(sinceYield);
        }
    }
    return true;
}

void VideoFileAdder::EndAdd() {
    paths_.clear();
    jobList_.SetRefusalsCollected(false);
    jobList_.StopReadingAhead();
    if (!report_ || stopRequested_ || refusals_.isEmpty()) {
        return;
    }
    QStringList details;
    for (const Refusal& refusal : refusals_) {
        //: A line of the list of files not added: %1 is a path, %2 why it was not added.
        details << Text::tr("%1: %2").arg(QDir::toNativeSeparators(refusal.path), refusal.reason);
    }
    const QString text =
        Text::tr("Some files are not supported or already exist and will not be added");
    if (inSteps_) {
        // A batch converts meanwhile: the box must not hold it.
        Notifier::Current().Tell(text + u'\n' + details.join(u'\n'), MessageIcon::Warning);
        return;
    }
    Notifier::Current().Show(text, MessageIcon::Warning, details.join(u'\n'));
}

}  // namespace reelwright
