#include "cli/CommandLineConverter.h"

#include "engine/Encoder.h"
#include "platform/SignalWatcher.h"
#include "platform/UserFolders.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <csignal>

#include <poll.h>
#include <sys/stat.h>

namespace reelwright {
namespace {

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kUnreadable = QStringLiteral("Unkown Format");
const QString kComplete = QStringLiteral("Complete");
const QString kCancelled = QStringLiteral("Cancelled");

enum ExitStatus { kAllConverted = 0, kSomeFailed = 1, kBadUsage = 2 };

QString Absolute(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

bool IsUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The full, clean form of a name's bytes, cleaned as Absolute() cleans its text; for names
// that are not UTF-8, which no QString holds.
QByteArray AbsoluteNative(const QByteArray& name) {
    const QByteArray full =
        name.startsWith('/') ? name : QFile::encodeName(QDir::currentPath()) + '/' + name;
    QList<QByteArray> parts;
    for (const QByteArray& part : full.split('/')) {
        if (part == "..") {
            if (!parts.isEmpty()) {
                parts.removeLast();
            }
        } else if (!part.isEmpty() && part != ".") {
            parts << part;
        }
    }
    return '/' + parts.join('/');
}

// Whether two folders are one, also when one of them is not there yet.
bool SameFolder(const QString& a, const QString& b) {
    const QString first = QFileInfo(a).canonicalFilePath();
    const QString second = QFileInfo(b).canonicalFilePath();
    if (!first.isEmpty() && !second.isEmpty()) {
        return first == second;
    }
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

}  // namespace

CommandLineConverter::CommandLineConverter(QTextStream& out, QTextStream& err,
                                           QTextStream* progress)
    : out_(out),
      err_(err),
      progress_(progress),
      adder_(jobList_),
      format_(err_),
      batch_(jobList_, {[this] { return OutputType(); },
                        [this](const QString& input, const QString& type) {
                            return ChooseOutputPath(input, type, folder_);
                        },
                        [this] { return format_.Parameters(); }}) {
    jobList_.InitJobList();
    // Each file's failure is told on its own line; no box waits for anybody.
    batch_.SetQuietFailures(true);
    connect(&batch_, &BatchDriver::FileStarted, this, &CommandLineConverter::FileStarted);
    connect(&batch_, &BatchDriver::FileFinished, this, &CommandLineConverter::FileFinished);
    batch_.SetStartCheck([this](int row, const QString&) { return MayStart(row); });
    connect(&batch_, &BatchDriver::Advanced, this, &CommandLineConverter::TellProgress);
    const auto watchStore = [this](JobListStore* store) {
        connect(store, &QAbstractItemModel::dataChanged, this,
                &CommandLineConverter::StatusChanged);
    };
    watchStore(jobList_.Store());
    connect(&jobList_, &JobList::StoreReplaced, this, watchStore);
}

CommandLineConverter::~CommandLineConverter() = default;

void CommandLineConverter::Stop(int signal) {
    if (signal_ == 0) {
        signal_ = signal;
    }
    adder_.RequestStop();
    batch_.RequestStop();
    if (pause_) {
        pause_->quit();
    }
}

void CommandLineConverter::WatchOutput(int fd) {
    outputWatch_ = new QTimer(this);
    outputWatch_->setInterval(250);
    connect(outputWatch_, &QTimer::timeout, this, [this, fd] {
        // A pipe whose reader has closed its end polls as an error.
        pollfd output{fd, 0, 0};
        if (::poll(&output, 1, 0) == 1 && (output.revents & POLLERR) != 0) {
            outputWatch_->stop();
            Stop(SIGPIPE);
        }
    });
    outputWatch_->start();
}

void CommandLineConverter::CheckOutput() {
    if (out_.status() == QTextStream::WriteFailed) {
        Stop(SIGPIPE);
    }
}

bool CommandLineConverter::Choose(const CliOptions& options) {
    // The window's saved choices first; the options override them. Nothing is written back.
    const RememberedSettings saved = RememberedSettings::Load(CRegister());
    folder_.sameFolder = saved.optSameFolder.value_or(false);
    folder_.otherFolder = saved.txtOutPath;
    if (options.sameFolder) {
        folder_.sameFolder = true;
    }
    if (!options.outputFolder.isEmpty()) {
        folder_.sameFolder = false;
        folder_.otherFolder = Absolute(options.outputFolder);
    }
    batch_.SetFilesAtOnce(options.jobs.value_or(saved.FilesAtOnce.value_or(0)));
    batch_.SetTrackChoice(options.everyTrack.value_or(saved.KeepEveryTrack.value_or(true))
                              ? TrackPlan::Choice::Every
                              : TrackPlan::Choice::First);
    batch_.SetCheckByDecoding(options.verify || saved.CheckByDecoding.value_or(false));
    batch_.SetKeepDates(options.keepDates || saved.KeepDates.value_or(false));
    return format_.Choose(options, saved);
}

std::optional<QList<CommandLineConverter::Input>> CommandLineConverter::GivenInputs(
    const CliOptions& options) {
    QList<Input> inputs;
    for (qsizetype i = 0; i < options.inputs.size(); ++i) {
        inputs.push_back({options.inputs[i], options.inputNames.value(i), false});
    }
    if (options.filesFrom.isEmpty()) {
        return inputs;
    }
    QFile list;
    bool opened = false;
    if (options.filesFrom == u"-") {
        opened = list.open(stdin, QIODevice::ReadOnly);
    } else {
        list.setFileName(options.filesFrom);
        opened = list.open(QIODevice::ReadOnly);
    }
    const QByteArray names = opened ? list.readAll() : QByteArray();
    if (!opened || list.error() != QFileDevice::NoError) {
        err_ << "reelwright-cli: "
             << tr("the list %1 cannot be read: %2").arg(options.filesFrom, list.errorString())
             << u'\n';
        return std::nullopt;
    }
    // Names as bytes: with --null any name at all, line breaks too.
    for (const QByteArray& name : names.split(options.nullSeparated ? '\0' : '\n')) {
        if (!name.isEmpty()) {
            inputs.push_back({QFile::decodeName(name), name, false});
        }
    }
    return inputs;
}

QList<CommandLineConverter::Input> CommandLineConverter::OpenFolders(const QList<Input>& inputs) {
    QList<Input> files;
    for (const Input& input : inputs) {
        const QString path = Absolute(input.path);
        const QByteArray native = IsUtf8(input.native) || input.native.isEmpty()
                                      ? QFile::encodeName(path)
                                      : AbsoluteNative(input.native);
        if (!QFileInfo(path).isDir()) {
            files.push_back({path, native, false});
            continue;
        }
        // As the window's Add Folder lists it: the files directly inside.
        const QList<QByteArray> names = VideoFileAdder::GetFolderFileNames(path);
        if (names.isEmpty()) {
            err_ << "reelwright-cli: " << path << ": " << tr("the folder holds no files") << u'\n';
        }
        for (const QByteArray& name : names) {
            files.push_back({QDir(path).filePath(QFile::decodeName(name)),
                             native + (native.endsWith('/') ? "" : "/") + name, true});
        }
    }
    return files;
}

void CommandLineConverter::AddInputs(const QList<Input>& inputs) {
    QStringList paths;
    for (const Input& input : inputs) {
        paths << input.path;
    }
    adder_.AddDropped(paths);
    const QList<VideoFileAdder::Refusal>& refusals = adder_.LastRefusals();
    JobListStore& store = *jobList_.Store();
    QSet<int> added;
    qsizetype nextRefusal = 0;
    for (const Input& input : inputs) {
        CliReport::Entry entry;
        entry.input = input.path;
        entry.native = input.native;
        const int row = store.FindFilePath(input.path);
        if (row < 0 || added.contains(row)) {
            // Refused: the adder lists its refusals in the order of the files.
            if (nextRefusal >= refusals.size()) {
                entry.outcome = CliReport::Outcome::Stopped;  // the add was stopped before it
                report_->Ended(entry);
                continue;
            }
            const VideoFileAdder::Refusal& refusal = refusals[nextRefusal++];
            entry.outcome = CliReport::Outcome::Refused;
            entry.reason = refusal.reason;
            // A folder's other files are no failure; a file named and not taken is.
            entry.counts = !input.inFolder || (refusal.kind != JobList::Refusal::ExcludedType &&
                                               refusal.kind != JobList::Refusal::Duplicate);
            report_->Ended(entry);
            continue;
        }
        added.insert(row);
        const JobRow& job = store.Row(row);
        if (job.status == kUnreadable) {
            entry.outcome = CliReport::Outcome::Unreadable;
            entry.status = kUnreadable;
            entry.reason = job.reason;
            Tell(row, entry);
            continue;
        }
        if (job.status != kWaiting) {
            continue;
        }
        if (skipExisting_) {
            // A result takes its plain name only once it is whole: if it is there, it is done.
            const QString plain = PlainOutputPath(job.filePath, OutputType(), folder_);
            if (!plain.isEmpty() && QFileInfo(plain).isFile()) {
                store.SetStatus(row, kComplete);
                store.SetOutcome(row, QString(), plain);
                entry.outcome = CliReport::Outcome::Skipped;
                entry.status = kComplete;
                entry.result = plain;
                Tell(row, entry);
                continue;
            }
        }
        queue_ << row;
    }
}

void CommandLineConverter::Tell(int row, CliReport::Entry entry) {
    told_.insert(row);
    report_->Ended(entry);
}

void CommandLineConverter::DryRun() {
    // Each name kept from those after it, as the run would keep it.
    std::vector<std::unique_ptr<NameReservation>> names;
    const JobListStore& store = *jobList_.Store();
    for (const int row : queue_) {
        const JobRow& job = store.Row(row);
        CliReport::Entry entry;
        entry.input = job.filePath;
        const OutputPathResult output = PreviewOutputPath(job.filePath, OutputType(), folder_);
        const QString plain = PlainOutputPath(job.filePath, OutputType(), folder_);
        if (output.problem != OutputPathResult::Problem::None) {
            entry.outcome = CliReport::Outcome::Failed;
            entry.status = QStringLiteral("Error");
            entry.reason = output.Reason();
        } else if (skipExisting_ && ResultClaim::HeldElsewhere(plain)) {
            entry.outcome = CliReport::Outcome::Elsewhere;
            entry.result = plain;
        } else {
            entry.outcome = CliReport::Outcome::WouldConvert;
            entry.result = output.path;
            names.push_back(std::make_unique<NameReservation>(output.path));
        }
        Tell(row, entry);
    }
}

void CommandLineConverter::Convert() {
    if (!queue_.isEmpty() && !signal_) {
        taken_ = batch_.EligibleRowList(BatchDriver::Take::All);
        batch_.RunBatch(false);
    }
    // Whatever the batch did not reach was stopped.
    const JobListStore& store = *jobList_.Store();
    for (const int row : queue_) {
        if (!told_.contains(row)) {
            CliReport::Entry entry;
            entry.input = store.Row(row).filePath;
            entry.outcome = CliReport::Outcome::Stopped;
            Tell(row, entry);
        }
    }
    claims_.clear();
}

bool CommandLineConverter::MayStart(int row) {
    JobListStore& store = *jobList_.Store();
    const QString input = store.Row(row).filePath;
    const QString plain = PlainOutputPath(input, OutputType(), folder_);
    if (plain.isEmpty()) {
        return true;
    }
    auto claim = std::make_unique<ResultClaim>(plain);
    CliReport::Entry entry;
    entry.input = input;
    entry.result = plain;
    switch (claim->Status()) {
        case ResultClaim::State::Held:
            // Claimed only now: another run may have finished it while this one got here.
            if (skipExisting_ && QFileInfo(plain).isFile()) {
                store.SetStatus(row, kComplete);
                store.SetOutcome(row, QString(), plain);
                entry.outcome = CliReport::Outcome::Skipped;
                entry.status = kComplete;
                Tell(row, entry);
                return false;
            }
            claims_[row] = std::move(claim);
            return true;
        case ResultClaim::State::Elsewhere:
            if (!skipExisting_) {
                return true;  // asked for a result of its own all the same
            }
            entry.outcome = CliReport::Outcome::Elsewhere;
            Tell(row, entry);
            return false;
        case ResultClaim::State::Here:
            return true;  // two inputs of this run for one name, as before claims
        case ResultClaim::State::Unavailable: {
            const QString folder = QFileInfo(plain).absolutePath();
            if (!claimsUnavailable_.contains(folder)) {
                claimsUnavailable_.insert(folder);
                err_ << "reelwright-cli: " << folder << ": "
                     << tr("%1; a run beside this one may convert the same files")
                            .arg(claim->Problem())
                     << u'\n';
                err_.flush();
            }
            return true;
        }
    }
    return true;
}

void CommandLineConverter::Tidy() {
    // What a killed run left half-written there goes; a copy still converting holds its file.
    if (!folder_.sameFolder && QFileInfo(folder_.otherFolder).isDir()) {
        RemoveAbandonedTemporaries(folder_.otherFolder);
        ResultClaim::RemoveAbandoned(folder_.otherFolder);
    }
}

int CommandLineConverter::Run(const CliOptions& options) {
    switch (options.action) {
        case CliOptions::Action::Help: {
            const RememberedSettings saved = RememberedSettings::Load(CRegister());
            out_ << CliOptions::Usage(saved.optSameFolder.value_or(false) ? tr("beside each input")
                                                                          : saved.txtOutPath);
            return kAllConverted;
        }
        case CliOptions::Action::Version:
            out_ << "reelwright-cli " << REELWRIGHT_VERSION_MAJOR << u'.'
                 << REELWRIGHT_VERSION_MINOR << u'.' << REELWRIGHT_VERSION_REVISION << u'\n';
            return kAllConverted;
        case CliOptions::Action::ListPresets:
            format_.LoadPresets();
            format_.ListPresets(out_, options.json);
            return kAllConverted;
        case CliOptions::Action::Convert:
            break;
    }
    if (!format_.LoadPresets() || !format_.LoadCodecs() || !Choose(options)) {
        return kBadUsage;
    }
    // Looked for once: without it every file would fail the same way.
    if (const EncoderLocation encoder = LocateEncoder(); !encoder.problem.isEmpty()) {
        err_ << "reelwright-cli: " << encoder.problem << u'\n';
        return kBadUsage;
    }
    skipExisting_ = options.skipExisting;
    tellProgress_ = options.progress;
    if (!options.watch.isEmpty()) {
        report_ = std::make_unique<CliReport>(out_, options.json);
        return Watch(Absolute(options.watch));
    }
    const std::optional<QList<Input>> given = GivenInputs(options);
    if (!given) {
        return kBadUsage;
    }
    if (!options.dryRun) {
        Tidy();
    }
    report_ = std::make_unique<CliReport>(out_, options.json, options.dryRun);
    const QList<Input> inputs = OpenFolders(*given);
    if (!inputs.isEmpty()) {
        AddInputs(inputs);
    }
    CheckOutput();
    if (options.dryRun) {
        DryRun();
    } else {
        Convert();
    }
    return Finish();
}

int CommandLineConverter::Finish() {
    const bool nothing = !signal_ && report_->Tally().OnlyRefused();
    report_->Summary(nothing ? kBadUsage : ExitStatus());
    CheckOutput();
    if (nothing) {
        err_ << "reelwright-cli: " << tr("nothing to convert.") << u'\n';
        err_.flush();
        return kBadUsage;
    }
    return ExitStatus();
}

int CommandLineConverter::Watch(const QString& watched) {
    if (!QFileInfo(watched).isDir()) {
        err_ << "reelwright-cli: " << watched << ": " << tr("no such folder to watch") << u'\n';
        return kBadUsage;
    }
    // Results beside their inputs would be taken for new videos, and so on for ever.
    if (folder_.sameFolder || SameFolder(folder_.otherFolder, watched)) {
        err_ << "reelwright-cli: "
             << tr("the results would land in the watched folder %1; give --output-folder with "
                   "another folder")
                    .arg(watched)
             << u'\n';
        return kBadUsage;
    }
    Tidy();
    watchClock_.start();
    while (!signal_) {
        const QList<Input> settled = Settled(watched);
        if (!settled.isEmpty()) {
            StartAfresh();
            AddInputs(settled);
            CheckOutput();
            Convert();
        }
        Pause(kScanMs);
    }
    return Finish();
}

QList<CommandLineConverter::Input> CommandLineConverter::Settled(const QString& folder) {
    QList<Input> settled;
    QSet<QByteArray> present;
    const QByteArray native = QFile::encodeName(folder);
    for (const QByteArray& name : VideoFileAdder::GetFolderFileNames(folder)) {
        // Hidden files are half-made ones (rsync's, a browser's, ours): their final name comes.
        struct stat info {};
        if (name.startsWith('.') || ::stat((native + '/' + name).constData(), &info) != 0) {
            continue;
        }
        present.insert(name);
        const qint64 modified =
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        const qint64 now = watchClock_.elapsed();
        Sighting& seen = sightings_[name];
        if (seen.size != info.st_size || seen.modified != modified || seen.inode != info.st_ino) {
            // New, or still being written (or replaced): it has to stay so a while first.
            seen = {info.st_size, modified, static_cast<quint64>(info.st_ino), now, false};
            continue;
        }
        if (!seen.taken && now - seen.since >= kSettleMs) {
            seen.taken = true;
            settled.push_back(
                {QDir(folder).filePath(QFile::decodeName(name)), native + '/' + name, true});
        }
    }
    // A file that goes and comes back is a new one.
    for (auto it = sightings_.begin(); it != sightings_.end();) {
        it = present.contains(it.key()) ? std::next(it) : sightings_.erase(it);
    }
    return settled;
}

void CommandLineConverter::Pause(int ms) {
    if (signal_) {
        return;
    }
    QEventLoop loop;
    pause_ = &loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    pause_ = nullptr;
}

void CommandLineConverter::StartAfresh() {
    jobList_.InitJobList();
    queue_.clear();
    taken_.clear();
    told_.clear();
    clocks_.clear();
    lastTold_.clear();
}

int CommandLineConverter::ExitStatus() const {
    if (signal_) {
        return SignalWatcher::ExitStatusFor(signal_);
    }
    return report_->Tally().failing ? kSomeFailed : kAllConverted;
}

QString CommandLineConverter::Counter(int row) const {
    return QStringLiteral("[%1/%2] ").arg(queue_.indexOf(row) + 1).arg(queue_.size());
}

void CommandLineConverter::FileStarted(int row) {
    clocks_[row].start();
    lastTold_.remove(row);
    report_->Started(Counter(row), jobList_.Store()->Row(row).filePath);
    CheckOutput();
}

void CommandLineConverter::FileFinished(int row) {
    const JobRow& job = jobList_.Store()->Row(row);
    if (progress_) {
        *progress_ << "\r\x1b[K";
        progress_->flush();
    }
    CliReport::Entry entry;
    entry.input = job.filePath;
    entry.status = job.status;
    entry.counter = Counter(row);
    // Its own clock: several files may be converting at once.
    const QElapsedTimer clock = clocks_.take(row);
    entry.seconds = clock.isValid() ? clock.elapsed() / 1000.0 : 0;
    lastTold_.remove(row);
    if (job.status == kComplete) {
        entry.outcome = CliReport::Outcome::Converted;
        entry.result = job.outputPath;
        entry.tracks = job.tracks;
    } else if (job.status == kCancelled) {
        entry.outcome = CliReport::Outcome::Stopped;
    } else {
        entry.outcome = CliReport::Outcome::Failed;
        entry.reason = job.reason;
    }
    // The result has its name by now: the claim may go.
    claims_.erase(row);
    Tell(row, entry);
    CheckOutput();
}

void CommandLineConverter::TellProgress() {
    if (!tellProgress_ || !report_) {
        return;
    }
    const TimeLeft& time = batch_.Progress();
    const JobListStore& store = *jobList_.Store();
    for (auto it = clocks_.cbegin(); it != clocks_.cend(); ++it) {
        const int row = it.key();
        const qint64 elapsed = it.value().elapsed();
        if (lastTold_.contains(row) && elapsed - lastTold_.value(row) < 1000) {
            continue;
        }
        const int index = static_cast<int>(taken_.indexOf(row));
        const std::optional<double> converted = time.Converted(index);
        if (!converted) {
            continue;
        }
        const JobRow& job = store.Row(row);
        const double length = job.lengthSeconds > 0
                                  ? job.lengthSeconds
                                  : BatchDriver::DurationSeconds(job.duration).value_or(0);
        CliReport::Progress progress;
        progress.input = job.filePath;
        if (length > 0) {
            progress.percent = std::clamp(100.0 * *converted / length, 0.0, 100.0);
        }
        progress.converted = *converted;
        progress.left = time.FileSecondsLeft(index);
        progress.speed = time.Speed(index);
        progress.seconds = elapsed / 1000.0;
        report_->Tell(progress);
        lastTold_[row] = elapsed;
    }
    CheckOutput();
}

void CommandLineConverter::StatusChanged(const QModelIndex& cell) {
    if (!progress_ || cell.column() != JobRow::Status || !queue_.contains(cell.row())) {
        return;
    }
    bool numeric = false;
    const int percent = jobList_.Store()->Row(cell.row()).status.toInt(&numeric);
    if (numeric && percent >= 0) {
        *progress_ << "\r\x1b[K" << Counter(cell.row())
                   << QFileInfo(jobList_.Store()->Row(cell.row()).filePath).fileName() << ' '
                   << std::min(percent, 100) << '%';
        progress_->flush();
    }
}

}  // namespace reelwright
