#include "cli/CommandLineConverter.h"

#include "platform/ProgramFolder.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace reelwright {
namespace {

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kUnreadable = QStringLiteral("Unkown Format");

enum ExitStatus { kAllConverted = 0, kSomeFailed = 1, kBadUsage = 2 };

}  // namespace

CommandLineConverter::CommandLineConverter(QTextStream& out, QTextStream& err,
                                           QTextStream* progress)
    : out_(out),
      err_(err),
      progress_(progress),
      adder_(jobList_),
      batch_(jobList_,
             {[this] { return format_.OutputType(); },
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
    signal_ = signal;
    adder_.RequestStop();
    batch_.RequestStop();
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
        {saved.cmbCustContainer, &Custom::container}, {saved.cmbCACodec, &Custom::audioCodec},
        {saved.cmbCASmapleRate, &Custom::sampleRate}, {saved.cmbCVCodec, &Custom::videoCodec},
        {saved.cmbCVSize, &Custom::size},             {saved.cmbCVAspect, &Custom::aspect}};
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

    if (options.custom) {
        format_.presetMode = false;
    }
    if (!options.presetLabel.isEmpty()) {
        format_.presetMode = true;
        if (!format_.SelectPreset(options.presetCategory, options.presetLabel)) {
            err_ << "reelwright-cli: no preset \"" << options.presetCategory << u'/'
                 << options.presetLabel << "\"; --list-presets shows them.\n";
            return false;
        }
        if (!options.extension.isEmpty() &&
            !format_.SelectExtension(static_cast<int>(format_.Extensions().indexOf(options.extension)))) {
            err_ << "reelwright-cli: the preset offers " << format_.Extensions().join(u',')
                 << ", not " << options.extension << ".\n";
            return false;
        }
    }
    if (options.sameFolder) {
        folder_.sameFolder = true;
    }
    if (!options.outputFolder.isEmpty()) {
        folder_.sameFolder = false;
        folder_.otherFolder = QDir::toNativeSeparators(
            QDir::cleanPath(QDir::current().absoluteFilePath(options.outputFolder)));
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

void CommandLineConverter::AddInputs(const QStringList& inputs) {
    QStringList files;
    const auto addFiles = [&] {
        adder_.AddVideoFiles(files);
        files.clear();
    };
    for (const QString& input : inputs) {
        if (signal_) {
            return;
        }
        const QString path =
            QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(input)));
        if (QFileInfo(path).isDir()) {
            addFiles();
            adder_.AddFolder(path);  // as the window's Add Folder lists it
        } else {
            files << path;
        }
    }
    addFiles();
}

int CommandLineConverter::Run(const CliOptions& options) {
    switch (options.action) {
        case CliOptions::Action::Help:
            out_ << CliOptions::Usage();
            return kAllConverted;
        case CliOptions::Action::Version:
            out_ << "reelwright-cli " << REELWRIGHT_VERSION_MAJOR << u'.' << REELWRIGHT_VERSION_MINOR
                 << u'.' << REELWRIGHT_VERSION_REVISION << u'\n';
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
    AddInputs(options.inputs);
    if (signal_) {
        return SignalStatus();
    }
    const JobListStore& store = *jobList_.Store();
    int unreadable = 0;
    for (int row = 0; row < store.RecordCount(); ++row) {
        if (store.Row(row).status == kWaiting) {
            queue_ << row;
        } else if (store.Row(row).status == kUnreadable) {
            ++unreadable;
            out_ << store.Row(row).filePath << ": " << kUnreadable
                 << ": the encoder cannot read this file\n";
        }
    }
    if (queue_.isEmpty()) {
        out_.flush();
        if (unreadable > 0) {
            return kSomeFailed;
        }
        err_ << "reelwright-cli: nothing to convert.\n";
        return kBadUsage;
    }
    batch_.RunBatch(false);
    const BatchDriver::Summary& summary = batch_.LastSummary();
    const int failed = summary.failed + unreadable;
    out_ << store.RecordCount() << (store.RecordCount() == 1 ? " file: " : " files: ")
         << summary.converted << " converted, " << failed << " failed";
    if (summary.cancelled > 0 || signal_) {
        out_ << ", " << (queue_.size() - summary.converted - summary.failed) << " stopped";
    }
    out_ << u'\n';
    out_.flush();
    if (signal_) {
        return SignalStatus();
    }
    return summary.converted == queue_.size() && unreadable == 0 ? kAllConverted : kSomeFailed;
}

QString CommandLineConverter::Counter(int row) const {
    return QStringLiteral("[%1/%2] ").arg(queue_.indexOf(row) + 1).arg(queue_.size());
}

void CommandLineConverter::FileStarted(int row) {
    out_ << Counter(row) << jobList_.Store()->Row(row).filePath << ": converting\n";
    out_.flush();
}

void CommandLineConverter::FileFinished(int row) {
    const JobRow& job = jobList_.Store()->Row(row);
    if (progress_) {
        *progress_ << "\r\x1b[K";
        progress_->flush();
    }
    out_ << Counter(row) << job.filePath << ": " << job.status;
    if (!job.outputPath.isEmpty()) {
        out_ << " -> " << job.outputPath;
    } else if (!job.reason.isEmpty()) {
        out_ << ": " << QString(job.reason).replace(QStringLiteral("\r\n"), QStringLiteral("; "));
    }
    out_ << u'\n';
    out_.flush();
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
