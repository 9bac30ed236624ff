// Converting while the rest of the files are still being read: a list of ten thousand names
// starts its first file in a moment, not once every file has been probed.
#include "cli/CommandLineConverter.h"

#include <QTimer>

#include <algorithm>
#include <utility>

namespace reelwright {
namespace {

// Files read between two turns of the batch: enough to keep ahead of the encoder, few enough
// that its progress is read often. A short list is thus read whole before it starts, and its
// lines count every file of it.
constexpr qsizetype kFilesATurn = 32;

}  // namespace

void CommandLineConverter::ClearProgressLine() {
    if (progress_) {
        *progress_ << "\r\x1b[K";
        progress_->flush();
    }
}

void CommandLineConverter::AddSome() {
    if (adding_ || pending_.isEmpty()) {
        return;  // a file's reading yields, and the next turn must not add in the middle
    }
    adding_ = true;
    const QList<CliInput> some = pending_.mid(0, kFilesATurn);
    pending_.remove(0, some.size());
    AddInputs(some);
    adding_ = false;
}

void CommandLineConverter::FeedSome() {
    if (adding_ || pending_.isEmpty()) {
        return;
    }
    // The next files are read beside the batch and added once read: an add that waited for a
    // reading would hold the batch's next start back.
    const QStringList names = inputs_.ListNames(pending_.mid(0, kFilesATurn));
    if (names != readingAhead_) {
        readingAhead_ = names;
        jobList_.ReadAhead(names);
        return;
    }
    if (std::all_of(names.begin(), names.end(),
                    [this](const QString& name) { return jobList_.FactsReady(name); })) {
        readingAhead_.clear();
        AddSome();
    }
}

void CommandLineConverter::ConvertAsAdded(const QList<CliInput>& inputs) {
    pending_ = inputs;
    while (queue_.isEmpty() && !pending_.isEmpty() && !signal_) {
        AddSome();
    }
    CheckOutput();
    QTimer feeder;
    feeder.setInterval(0);
    connect(&feeder, &QTimer::timeout, this, &CommandLineConverter::FeedSome);
    feeder.start();
    batch_.SetRowsComing([this] { return !pending_.isEmpty() && !signal_; });
    Convert();
    batch_.SetRowsComing(nullptr);
    feeder.stop();
    // Stopped before they were read: never started, as the files the batch did not reach.
    for (const CliInput& input : std::exchange(pending_, {})) {
        CliReport::Entry entry;
        entry.input = input.path;
        entry.native = input.native;
        entry.outcome = CliReport::Outcome::Stopped;
        report_->Ended(entry);
    }
}

}  // namespace reelwright
