#include "cli/CommandLineConverter.h"

#include "engine/Encoder.h"
#include "platform/ProgramFolder.h"
#include "platform/SignalWatcher.h"
#include "platform/UserFolders.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <csignal>

#include <poll.h>

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

// Letters to change, add or drop to turn one text into the other, letter case aside.
int Distance(const QString& a, const QString& b) {
    const QString x = a.toCaseFolded();
    const QString y = b.toCaseFolded();
    std::vector<int> row(static_cast<std::size_t>(y.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = static_cast<int>(j);
    }
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            row[static_cast<std::size_t>(j)] =
                std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1,
                          diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

}  // namespace

CommandLineConverter::CommandLineConverter(QTextStream& out, QTextStream& err,
                                           QTextStream* progress)
    : out_(out),
      err_(err),
      progress_(progress),
      adder_(jobList_),
      batch_(jobList_, {[this] { return format_.OutputType(); },
                        [this](const QString& input, const QString& type) {
                            return ChooseOutputPath(input, type, folder_);
                        },
                        [this] { return format_.Parameters(); }}) {
    jobList_.InitJobList();
    // Each file's failure is told on its own line; no box waits for anybody.
    batch_.SetQuietFailures(true);
    connect(&batch_, &BatchDriver::FileStarted, this, &CommandLineConverter::FileStarted);
    connect(&batch_, &BatchDriver::FileFinished, this, &CommandLineConverter::FileFinished);
    connect(jobList_.Store(), &QAbstractItemModel::dataChanged, this,
            &CommandLineConverter::StatusChanged);
}

void CommandLineConverter::Stop(int signal) {
    if (signal_ == 0) {
        signal_ = signal;
    }
    adder_.RequestStop();
    batch_.RequestStop();
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

QStringList CommandLineConverter::ClosestPresets(const QString& wanted,
                                                 const QStringList& presets) {
    std::vector<std::pair<int, QString>> scored;
    const QString label = wanted.section(u'/', 1);
    for (const QString& preset : presets) {
        // A label that holds what was typed is as close as a slip of a letter or two.
        const bool holds = !label.isEmpty() && preset.contains(label, Qt::CaseInsensitive);
        scored.emplace_back(holds ? 1 : Distance(wanted, preset), preset);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList closest;
    for (std::size_t i = 0; i < scored.size() && i < 3; ++i) {
        closest << scored[i].second;
    }
    return closest;
}

int CommandLineConverter::ListPresets() {
    const PresetCatalogue& presets = format_.Presets();
    for (const QString& category : presets.Categories()) {
        for (const QString& label : presets.LabelsOf(category)) {
            out_ << category << u'/' << label << u'\t'
                 << presets.ExtensionsOf(category, label).join(u',') << u'\n';
        }
    }
    out_.flush();
    return kAllConverted;
}

bool CommandLineConverter::ChooseFormat(const CliOptions& options) {
    // The window's saved choices first; the options override them. Nothing is written back.
    const RememberedSettings saved = RememberedSettings::Load(CRegister());
    format_.presetMode = saved.optFormat.value_or(0) == 0;
    if (saved.cmbCategory) {
        format_.SelectCategory(*saved.cmbCategory);
    }
    if (saved.cmbOutVCodec) {
        format_.SelectLabel(*saved.cmbOutVCodec);
    }
    if (saved.cmbOutFormat) {
        format_.SelectExtension(*saved.cmbOutFormat);
    }
    using Custom = FormatChoice::Custom;
    // A stored position outside its list leaves the design's, as the window's lists do.
    const std::pair<const std::optional<int>&, int Custom::*> lists[] = {
        {saved.cmbCustContainer, &Custom::container},
        {saved.cmbCACodec, &Custom::audioCodec},
        {saved.cmbCASmapleRate, &Custom::sampleRate},
        {saved.cmbCVCodec, &Custom::videoCodec},
        {saved.cmbCVSize, &Custom::size},
        {saved.cmbCVAspect, &Custom::aspect}};
    for (const auto& [stored, list] : lists) {
        if (stored) {
            format_.SelectCustom(list, *stored);
        }
    }
    FormatChoice::Custom& custom = format_.custom;
    custom.audioBitrate = saved.txtCABirate;
    custom.channels = saved.txtChannels;
    custom.videoBitrate = saved.txtCVBitrate;
    custom.frameRate = saved.txtFrameRate;
    folder_.sameFolder = saved.optSameFolder.value_or(false);
    folder_.otherFolder = saved.txtOutPath;
    batch_.SetFilesAtOnce(options.jobs.value_or(saved.FilesAtOnce.value_or(0)));

    if (options.custom) {
        format_.presetMode = false;
    }
    if (!options.presetLabel.isEmpty()) {
        format_.presetMode = true;
        if (!format_.SelectPreset(options.presetCategory, options.presetLabel)) {
            QStringList all;
            const PresetCatalogue& presets = format_.Presets();
            for (const QString& category : presets.Categories()) {
                for (const QString& label : presets.LabelsOf(category)) {
                    all << category + u'/' + label;
                }
            }
            err_ << "reelwright-cli: no preset \"" << options.presetCategory << u'/'
                 << options.presetLabel << "\"; --list-presets shows them all. The closest:\n";
            for (const QString& close :
                 ClosestPresets(options.presetCategory + u'/' + options.presetLabel, all)) {
                err_ << "  " << close << u'\n';
            }
            return false;
        }
        if (!options.extension.isEmpty()) {
            // The preset's own spelling: "--extension MKV" means its mkv.
            const QStringList& offered = format_.Extensions();
            const auto found =
                std::find_if(offered.begin(), offered.end(), [&options](const QString& type) {
                    return type.compare(options.extension, Qt::CaseInsensitive) == 0;
                });
            if (found == offered.end() ||
                !format_.SelectExtension(static_cast<int>(found - offered.begin()))) {
                err_ << "reelwright-cli: the preset offers " << offered.join(u',') << ", not "
                     << options.extension << ".\n";
                return false;
            }
        }
    }
    if (options.sameFolder) {
        folder_.sameFolder = true;
    }
    if (!options.outputFolder.isEmpty()) {
        folder_.sameFolder = false;
        folder_.otherFolder = Absolute(options.outputFolder);
    }
    const FormatParameters parameters = format_.Parameters();
    if (!parameters.options) {
        err_ << "reelwright-cli: the format cannot be used: " << parameters.error << u'\n';
        return false;
    }
    if (format_.OutputType().isEmpty()) {
        err_ << "reelwright-cli: no output format is chosen; give --preset or --custom.\n";
        return false;
    }
    return true;
}

QList<CommandLineConverter::Input> CommandLineConverter::OpenFolders(const QStringList& inputs) {
    QList<Input> files;
    for (const QString& input : inputs) {
        const QString path = Absolute(input);
        if (!QFileInfo(path).isDir()) {
            files.push_back({path, false});
            continue;
        }
        // As the window's Add Folder lists it: the files directly inside.
        const QStringList names = VideoFileAdder::GetFolderFiles(path);
        if (names.isEmpty()) {
            err_ << "reelwright-cli: " << path << ": the folder holds no files\n";
        }
        for (const QString& name : names) {
            files.push_back({QDir(path).filePath(name), true});
        }
    }
    return files;
}

void CommandLineConverter::AddInputs(const QList<Input>& inputs, bool skipExisting) {
    QStringList paths;
    for (const Input& input : inputs) {
        paths << input.path;
    }
    adder_.AddDropped(paths);
    const QList<VideoFileAdder::Refusal>& refusals = adder_.LastRefusals();
    JobListStore& store = *jobList_.Store();
    QSet<int> told;
    qsizetype nextRefusal = 0;
    for (const Input& input : inputs) {
        CliReport::Entry entry;
        entry.input = input.path;
        const int row = store.FindFilePath(input.path);
        if (row < 0 || told.contains(row)) {
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
        told.insert(row);
        const JobRow& job = store.Row(row);
        if (job.status == kUnreadable) {
            entry.outcome = CliReport::Outcome::Unreadable;
            entry.status = kUnreadable;
            entry.reason = job.reason;
            report_->Ended(entry);
            continue;
        }
        if (job.status != kWaiting) {
            continue;
        }
        if (skipExisting) {
            // A result takes its plain name only once it is whole: if it is there, it is done.
            const QString plain = PlainOutputPath(job.filePath, format_.OutputType(), folder_);
            if (!plain.isEmpty() && QFileInfo(plain).isFile()) {
                store.SetStatus(row, kComplete);
                store.SetOutcome(row, QString(), plain);
                entry.outcome = CliReport::Outcome::Skipped;
                entry.status = kComplete;
                entry.result = plain;
                report_->Ended(entry);
                continue;
            }
        }
        queue_ << row;
    }
}

int CommandLineConverter::Run(const CliOptions& options) {
    switch (options.action) {
        case CliOptions::Action::Help: {
            const RememberedSettings saved = RememberedSettings::Load(CRegister());
            out_ << CliOptions::Usage(saved.optSameFolder.value_or(false)
                                          ? QStringLiteral("beside each input")
                                          : saved.txtOutPath);
            return kAllConverted;
        }
        case CliOptions::Action::Version:
            out_ << "reelwright-cli " << REELWRIGHT_VERSION_MAJOR << u'.'
                 << REELWRIGHT_VERSION_MINOR << u'.' << REELWRIGHT_VERSION_REVISION << u'\n';
            return kAllConverted;
        case CliOptions::Action::ListPresets:
            format_.LoadPresets(ProgramFolder::DataFile(QStringLiteral("presets.xml")));
            return ListPresets();
        case CliOptions::Action::Convert:
            break;
    }
    if (!format_.LoadPresets(ProgramFolder::DataFile(QStringLiteral("presets.xml"))) ||
        !format_.LoadCodecs(ProgramFolder::DataFile(QStringLiteral("codecs.xml"))) ||
        !ChooseFormat(options)) {
        return kBadUsage;
    }
    // Looked for once: without it every file would fail the same way.
    if (const EncoderLocation encoder = LocateEncoder(); !encoder.problem.isEmpty()) {
        err_ << "reelwright-cli: " << encoder.problem << u'\n';
        return kBadUsage;
    }
    // What a killed run left half-written there goes; a copy still converting holds its file.
    if (!folder_.sameFolder && QFileInfo(folder_.otherFolder).isDir()) {
        RemoveAbandonedTemporaries(folder_.otherFolder);
    }
    report_ = std::make_unique<CliReport>(out_, options.json);
    const QList<Input> inputs = OpenFolders(options.inputs);
    if (!inputs.isEmpty()) {
        AddInputs(inputs, options.skipExisting);
    }
    CheckOutput();
    if (!queue_.isEmpty() && !signal_) {
        batch_.RunBatch(false);
    }
    // Whatever the batch did not reach was stopped.
    const JobListStore& store = *jobList_.Store();
    for (const int row : queue_) {
        if (store.Row(row).status == kWaiting) {
            CliReport::Entry entry;
            entry.input = store.Row(row).filePath;
            entry.outcome = CliReport::Outcome::Stopped;
            report_->Ended(entry);
        }
    }
    const CliReport::Counts& counts = report_->Tally();
    const bool nothing = !signal_ && counts.converted + counts.skipped == 0 && !counts.failing;
    report_->Summary(nothing ? kBadUsage : ExitStatus());
    CheckOutput();
    if (nothing) {
        err_ << "reelwright-cli: nothing to convert.\n";
        err_.flush();
        return kBadUsage;
    }
    return ExitStatus();
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
    fileClock_.start();
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
    entry.seconds = fileClock_.isValid() ? fileClock_.elapsed() / 1000.0 : 0;
    fileClock_.invalidate();
    if (job.status == kComplete) {
        entry.outcome = CliReport::Outcome::Converted;
        entry.result = job.outputPath;
    } else if (job.status == kCancelled) {
        entry.outcome = CliReport::Outcome::Stopped;
    } else {
        entry.outcome = CliReport::Outcome::Failed;
        entry.reason = job.reason;
    }
    report_->Ended(entry);
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
