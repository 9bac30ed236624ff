#include "cli/CommandLineConverter.h"

#include "cli/WatchedFolder.h"
#include "conversion/ResultSource.h"
#include "engine/Encoder.h"
#include "plan/ContainerTable.h"
#include "platform/SignalWatcher.h"
#include "platform/UserFolders.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

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

// How many of an input's result names are looked at for a result made from it.
constexpr int kNamesLookedAt = 200;

void SetResult(CliReport::Entry* entry, const QByteArray& result) {
    entry->result = QFile::decodeName(result);
    entry->nativeResult = result;
}

}  // namespace

CommandLineConverter::CommandLineConverter(QTextStream& out, QTextStream& err,
                                           QTextStream* progress)
    : out_(out),
      err_(err),
      progress_(progress),
      inputs_(jobList_, standIns_, err_),
      format_(err_),
      batch_(jobList_, {[this] { return OutputType(); },
                        [this](const QString& input, const QString& type) {
                            return ChooseOutputPath(standIns_.NamingInput(input), type, folder_);
                        },
                        [this] { return format_.Parameters(); },
                        [this](const QString& input, const QString& type) {
                            return PlainOutputPath(standIns_.NamingInput(input), type, folder_);
                        }}) {
    jobList_.InitJobList();
    // Sound files are taken for the Audio Only presets, videos for the others.
    jobList_.SetSoundOnly([this] {
        return KeepsSoundOnly(OutputType(), format_.Parameters().options.value_or(QString()));
    });
    // Each file's failure is told on its own line; no box waits for anybody.
    batch_.SetQuietFailures(true);
    connect(&batch_, &BatchDriver::FileStarted, this, &CommandLineConverter::FileStarted);
    connect(&batch_, &BatchDriver::FileFinished, this, &CommandLineConverter::FileFinished);
    batch_.SetStartCheck([this](int row, const QString&, const ResultClaim* claim) {
        return MayStart(row, claim);
    });
    connect(&batch_, &BatchDriver::Advanced, this, &CommandLineConverter::TellProgress);
    connect(&batch_, &BatchDriver::Joined, this, [this](int row) { taken_ << row; });
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
    inputs_.RequestStop();
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
        folder_.otherFolder = CliInputs::Absolute(options.outputFolder);
    }
    batch_.SetFilesAtOnce(options.jobs.value_or(saved.FilesAtOnce.value_or(0)));
    batch_.SetTrackChoice(options.everyTrack.value_or(saved.KeepEveryTrack.value_or(true))
                              ? TrackPlan::Choice::Every
                              : TrackPlan::Choice::First);
    batch_.SetCheckByDecoding(options.verify || saved.CheckByDecoding.value_or(false));
    batch_.SetKeepDates(options.keepDates || saved.KeepDates.value_or(false));
    batch_.SetLoudness(options.loudness.value_or(saved.EvenLoudness));
    batch_.SetMaxSize(options.maxSize);
    batch_.SetSmallerToFit(options.smallerToFit);
    batch_.SetRemoveBars(options.removeBars);
    batch_.SetSidecars(!options.noSidecars);
    return format_.Choose(options, saved);
}

void CommandLineConverter::AddInputs(const QList<CliInput>& inputs) {
    for (const CliInputs::Added& added : inputs_.Add(inputs)) {
        if (added.row < 0) {
            report_->Ended(added.entry);
        } else {
            Enqueue(added.row, added.entry);
        }
    }
}

void CommandLineConverter::Enqueue(int row, CliReport::Entry entry) {
    JobListStore& store = *jobList_.Store();
    const JobRow& job = store.Row(row);
    if (job.status == kUnreadable) {
        entry.outcome = CliReport::Outcome::Unreadable;
        entry.status = kUnreadable;
        entry.reason = job.reason;
        Tell(row, entry);
        return;
    }
    if (job.status != kWaiting) {
        return;
    }
    if (SkipConverted(row, entry)) {
        return;
    }
    queue_ << row;
}

QByteArray CommandLineConverter::ConvertedResult(const QString& input) const {
    const QByteArray proof = ResultSource::ProofOf(input);
    if (proof.isEmpty()) {
        return QByteArray();
    }
    // A name that is not UTF-8 gives its bytes to its result: looked at first.
    const QByteArray plain = PlainResult(input);
    if (!plain.isEmpty() && ResultSource::Read(plain) == proof) {
        return plain;
    }
    // Results take the first free name: one made from this input is at one of the names
    // before the first free one, and says so.
    return QFile::encodeName(ResultSource::FindMadeFrom(
        input,
        OutputCandidates(standIns_.NamingInput(input), OutputType(), folder_, kNamesLookedAt)));
}

bool CommandLineConverter::SkipConverted(int row, CliReport::Entry entry) {
    if (!skipExisting_) {
        return false;
    }
    JobListStore& store = *jobList_.Store();
    const QByteArray result = ConvertedResult(store.Row(row).filePath);
    if (result.isEmpty()) {
        return false;
    }
    store.SetStatus(row, kComplete);
    store.SetOutcome(row, QString(), QFile::decodeName(result));
    entry.outcome = CliReport::Outcome::Skipped;
    entry.status = kComplete;
    SetResult(&entry, result);
    Tell(row, entry);
    return true;
}

void CommandLineConverter::Tell(int row, CliReport::Entry entry) {
    ClearProgressLine();  // a file read while another converts is told between its updates
    told_.insert(row);
    report_->Ended(entry);
}

CliReport::Entry CommandLineConverter::EntryOf(const QString& path) const {
    CliReport::Entry entry;
    entry.input = standIns_.Shown(path);
    entry.native = standIns_.Native(path);
    return entry;
}

QByteArray CommandLineConverter::PlainResult(const QString& input) const {
    const QString plain = PlainOutputPath(standIns_.NamingInput(input), OutputType(), folder_);
    return plain.isEmpty() ? QByteArray() : standIns_.ResultName(input, plain, false);
}

void CommandLineConverter::GiveOwnName(const QString& input, CliReport::Entry* entry) {
    QString error;
    QByteArray name = standIns_.TakeOwnName(input, entry->result, &error);
    if (name.isEmpty()) {
        name = standIns_.Native(entry->result);
        err_ << "reelwright-cli: " << QFile::decodeName(name) << ": "
             << tr("the result keeps this name: it could not take its input's: %1").arg(error)
             << u'\n';
        err_.flush();
    }
    SetResult(entry, name);
}

void CommandLineConverter::DryRun() {
    // Each name kept from those after it, as the run would keep it.
    std::vector<std::unique_ptr<NameReservation>> names;
    QSet<QByteArray> promised;  // the same for names that are not UTF-8, which it cannot hold
    const JobListStore& store = *jobList_.Store();
    for (const int row : queue_) {
        const JobRow& job = store.Row(row);
        CliReport::Entry entry = EntryOf(job.filePath);
        const QString named = standIns_.NamingInput(job.filePath);
        const OutputPathResult output = PreviewOutputPath(named, OutputType(), folder_);
        const QString plain = PlainOutputPath(named, OutputType(), folder_);
        if (output.problem != OutputPathResult::Problem::None) {
            entry.outcome = CliReport::Outcome::Failed;
            entry.status = QStringLiteral("Error");
            entry.reason = output.Reason();
        } else if (skipExisting_ && ResultClaim::HeldElsewhere(plain)) {
            entry.outcome = CliReport::Outcome::Elsewhere;
            SetResult(&entry, standIns_.ResultName(job.filePath, plain, false));
        } else {
            entry.outcome = CliReport::Outcome::WouldConvert;
            SetResult(&entry, standIns_.ResultName(job.filePath, output.path, true, promised));
            promised.insert(entry.nativeResult);
            names.push_back(std::make_unique<NameReservation>(output.path));
            if (estimate_) {
                Estimate(row, output.path, &entry);
            }
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
            CliReport::Entry entry = EntryOf(store.Row(row).filePath);
            entry.outcome = CliReport::Outcome::Stopped;
            Tell(row, entry);
        }
    }
}

bool CommandLineConverter::MayStart(int row, const ResultClaim* claim) {
    if (!claim) {
        return true;
    }
    JobListStore& store = *jobList_.Store();
    const QString input = store.Row(row).filePath;
    const QByteArray plain = PlainResult(input);
    CliReport::Entry entry = EntryOf(input);
    SetResult(&entry, plain);
    switch (claim->Status()) {
        case ResultClaim::State::Held:
            // Claimed only now: another run may have finished it while this one got here.
            return !SkipConverted(row, entry);  // held by the file's conversion until it ends
        case ResultClaim::State::Elsewhere:
            if (!skipExisting_) {
                return true;  // asked for a result of its own all the same
            }
            entry.outcome = CliReport::Outcome::Elsewhere;
            Tell(row, entry);
            return false;
        case ResultClaim::State::Here:
            return true;  // two inputs of this run for one name, as before claims
        case ResultClaim::State::Unavailable:
            // A folder without locks the batch tells of itself, once, with its hidden files.
            if (claim->NoLocks().isEmpty()) {
                TellNoClaims(QFileInfo(entry.result).absolutePath(), claim->Problem());
            }
            // Nothing holds the name: look once more, right before starting, whether a run
            // beside this one has finished it meanwhile.
            return !SkipConverted(row, entry);
    }
    return true;
}

void CommandLineConverter::TellNoClaims(const QString& folder, const QString& problem) {
    if (claimsUnavailable_.contains(folder)) {
        return;
    }
    claimsUnavailable_.insert(folder);
    err_ << "reelwright-cli: " << folder << ": "
         << tr("%1; a run beside this one may convert the same files").arg(problem) << u'\n';
    err_.flush();
}

void CommandLineConverter::Tidy() {
    // What a killed run left half-written there goes; a copy still converting holds its file.
    if (!folder_.sameFolder && QFileInfo(folder_.otherFolder).isDir()) {
        RemoveAbandonedTemporaries(folder_.otherFolder);
        ResultClaim::RemoveAbandoned(folder_.otherFolder);
        ResultSource::RemoveStaleRecords(folder_.otherFolder);
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
        // Each file once: a watch started again takes none it has already made a result of.
        skipExisting_ = true;
        report_ = std::make_unique<CliReport>(out_, options.json);
        return Watch(CliInputs::Absolute(options.watch));
    }
    const std::optional<QList<CliInput>> given = inputs_.Given(options);
    if (!given) {
        return kBadUsage;
    }
    estimate_ = options.estimate;
    const bool dryRun = options.dryRun || estimate_;  // an estimate converts nothing either
    if (!dryRun) {
        Tidy();
    }
    report_ = std::make_unique<CliReport>(out_, options.json, dryRun);
    const QList<CliInput> inputs = WithoutResults(inputs_.OpenFolders(*given));
    if (!dryRun) {
        ConvertAsAdded(inputs);
        return Finish();
    }
    AddInputs(inputs);
    CheckOutput();
    DryRun();
    return Finish();
}

QList<CliInput> CommandLineConverter::WithoutResults(const QList<CliInput>& inputs) {
    // A folder's files that this program made as results are no new videos: converted again
    // at every run into the same folder, they would pile up for ever.
    QList<CliInput> kept;
    for (const CliInput& input : inputs) {
        if (!input.inFolder || !ResultSource::Read(input.native)) {
            kept.push_back(input);
        }
    }
    return kept;
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
    if (const QString problem = WatchedFolder::Problem(watched, folder_); !problem.isEmpty()) {
        err_ << "reelwright-cli: " << problem << u'\n';
        err_.flush();
        return kBadUsage;
    }
    Tidy();
    WatchedFolder folder(watched);
    QString unwatchable;  // why the folder cannot be watched now, once said
    while (!signal_) {
        if (const QString now = WatchedFolder::Unwatchable(watched); now != unwatchable) {
            // A folder on a disk that went away, say: said once, and waited for.
            err_ << "reelwright-cli: "
                 << (now.isEmpty() ? tr("%1: the watched folder is back").arg(watched)
                                   : tr("%1; waiting for it to come back").arg(now))
                 << u'\n';
            err_.flush();
            unwatchable = now;
        }
        const QList<CliInput> settled = WithoutResults(folder.Settled());
        for (const QString& refusal : folder.TakeRefusals()) {
            err_ << "reelwright-cli: " << refusal << u'\n';
            err_.flush();
        }
        if (!settled.isEmpty()) {
            StartAfresh();
            AddInputs(settled);
            CheckOutput();
            Convert();
        }
        Pause(WatchedFolder::kScanMs);
    }
    return Finish();
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
    inputs_.ListEmptied();
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
    // Files still to be read count too: most of them will convert.
    return QStringLiteral("[%1/%2] ")
        .arg(queue_.indexOf(row) + 1)
        .arg(queue_.size() + pending_.size());
}

void CommandLineConverter::FileStarted(int row) {
    clocks_[row].start();
    lastTold_.remove(row);
    report_->Started(Counter(row), standIns_.Shown(jobList_.Store()->Row(row).filePath));
    CheckOutput();
}

void CommandLineConverter::FileFinished(int row) {
    const JobRow& job = jobList_.Store()->Row(row);
    ClearProgressLine();
    CliReport::Entry entry = EntryOf(job.filePath);
    entry.status = job.status;
    entry.counter = Counter(row);
    // Its own clock: several files may be converting at once.
    const QElapsedTimer clock = clocks_.take(row);
    const qint64 elapsed = clock.isValid() ? clock.elapsed() : 0;
    entry.seconds = elapsed / 1000.0;
    lastTold_.remove(row);
    if (job.status == kComplete) {
        TellDone(row, elapsed);
        entry.outcome = CliReport::Outcome::Converted;
        entry.result = job.outputPath;
        GiveOwnName(job.filePath, &entry);
        entry.tracks = job.tracks;
    } else if (job.status == kCancelled) {
        entry.outcome = CliReport::Outcome::Stopped;
    } else {
        entry.outcome = CliReport::Outcome::Failed;
        entry.reason = job.reason;
    }
    // The result has its name by now: the claim may go.
    Tell(row, entry);
    CheckOutput();
}

void CommandLineConverter::TellProgress() {
    if (!tellProgress_ || !report_) {
        return;
    }
    for (auto it = clocks_.cbegin(); it != clocks_.cend(); ++it) {
        const int row = it.key();
        const qint64 elapsed = it.value().elapsed();
        if (lastTold_.contains(row) && elapsed - lastTold_.value(row) < 1000) {
            continue;
        }
        const std::optional<CliReport::Progress> progress = ProgressOf(row, elapsed);
        // The end (or what would be shown as it, to a tenth) is told once, when the file is
        // done: the encoder may be at its end while the result is still read back or checked.
        if (!progress || progress->percent.value_or(0) >= 99.95) {
            continue;
        }
        report_->Tell(*progress);
        lastTold_[row] = elapsed;
    }
    CheckOutput();
}

void CommandLineConverter::TellDone(int row, qint64 elapsed) {
    if (!tellProgress_ || !report_) {
        return;
    }
    CliReport::Progress done = ProgressOf(row, elapsed).value_or(CliReport::Progress());
    const JobRow& job = jobList_.Store()->Row(row);
    done.input = standIns_.Shown(job.filePath);
    done.percent = 100;
    done.converted = std::max(done.converted, LengthOf(job));
    done.left = 0;
    done.seconds = elapsed / 1000.0;
    report_->Tell(done);
}

double CommandLineConverter::LengthOf(const JobRow& job) {
    return job.lengthSeconds > 0 ? job.lengthSeconds
                                 : BatchDriver::DurationSeconds(job.duration).value_or(0);
}

std::optional<CliReport::Progress> CommandLineConverter::ProgressOf(int row, qint64 elapsed) const {
    const TimeLeft& time = batch_.Progress();
    const int index = static_cast<int>(taken_.indexOf(row));
    const std::optional<double> converted = time.Converted(index);
    if (!converted) {
        return std::nullopt;
    }
    const JobRow& job = jobList_.Store()->Row(row);
    const double length = LengthOf(job);
    CliReport::Progress progress;
    progress.input = standIns_.Shown(job.filePath);
    if (length > 0) {
        progress.percent = std::clamp(100.0 * *converted / length, 0.0, 100.0);
    }
    progress.converted = *converted;
    progress.left = time.FileSecondsLeft(index);
    progress.speed = time.Speed(index);
    progress.seconds = elapsed / 1000.0;
    return progress;
}

void CommandLineConverter::StatusChanged(const QModelIndex& cell) {
    if (!progress_ || cell.column() != JobRow::Status || !queue_.contains(cell.row())) {
        return;
    }
    bool numeric = false;
    const int percent = jobList_.Store()->Row(cell.row()).status.toInt(&numeric);
    if (numeric && percent >= 0) {
        *progress_
            << "\r\x1b[K" << Counter(cell.row())
            << QFileInfo(standIns_.Shown(jobList_.Store()->Row(cell.row()).filePath)).fileName()
            << ' ' << std::min(percent, 100) << '%';
        progress_->flush();
    }
}

}  // namespace reelwright
