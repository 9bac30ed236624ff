#include "batch/BatchDriver.h"

#include "engine/CVideoConv.h"
#include "joblist/JobList.h"
#include "platform/LocalNumber.h"
#include "platform/Notifier.h"

#include <QCoreApplication>

// What the batch writes into the rows as their files go: statuses, colours, progress notes and
// failures.
namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::BatchDriver)
};

const QString kError = QStringLiteral("Error");

}  // namespace

bool BatchDriver::ValidRow(int row) const {
    const JobListStore* store = jobList_.Store();
    return store && row >= 0 && row < store->RecordCount();
}

void BatchDriver::FailRow(int row, const QString& file, const QString& reason,
                          const QString& logPath, const QString& tail) {
    ++summary_.failed;
    summary_.failedFiles << file;
    WriteStatus(row, kError);
    Finish(row, kFailureColor);
    if (ValidRow(row)) {
        jobList_.Store()->SetOutcome(row, reason, QString(), logPath, tail);
    }
}

void BatchDriver::ShowOnce(bool& shown, const QString& text) {
    if (!shown && !quietFailures_) {
        Notifier::Current().Show(text, MessageIcon::Error);
    }
    shown = true;
}

void BatchDriver::cConvert_CurrentStatus(int row, const CVideoConv* job, const QString& sStatus) {
    if (converting_) {
        WriteStatus(row, sStatus);
        TellProgress(row, job);
    }
}

void BatchDriver::cConvert_Progress(int row, const CVideoConv* job, int iProgress) {
    if (converting_) {
        WriteStatus(row, QString::number(iProgress));
        TellProgress(row, job);
    }
}

void BatchDriver::TellProgress(int row, const CVideoConv* job) {
    JobListStore* store = jobList_.Store();
    if (!job || !ValidRow(row)) {
        return;
    }
    const int index = static_cast<int>(taken_.indexOf(row));
    if (const std::optional<double> position = job->Transcript().LastTime()) {
        timeLeft_.Position(index, *position, job->Transcript().LastSpeed());
    }
    QString note;
    const auto add = [&note](const QString& part) {
        //: Joins the parts of a note on a converting file: "1:20 left for this file, 2.5x real
        //: time".
        note = note.isEmpty() ? part : Text::tr("%1, %2").arg(note, part);
    };
    if (const std::optional<double> left = timeLeft_.FileSecondsLeft(index)) {
        //: %1 is a time, such as 1:20.
        add(Text::tr("%1 left for this file").arg(TimeLeft::ClockText(*left)));
    }
    if (const std::optional<double> left = timeLeft_.BatchSecondsLeft();
        left && timeLeft_.FileCount() > 1) {
        // A file that has only just started has no time of its own yet; the batch's is said.
        const QString clock = TimeLeft::ClockText(*left);
        if (note.isEmpty()) {
            //: %1 is a time, such as 1:20.
            add(Text::tr("%1 left for the batch").arg(clock));
        } else {
            //: Follows "1:20 left for this file, ": %1 is a time, such as 12:40.
            add(Text::tr("%1 for the batch").arg(clock));
        }
    }
    if (const std::optional<double> speed = timeLeft_.Speed(index)) {
        //: %1 is how many times faster than playing the file converts, such as 2.5.
        add(Text::tr("%1x real time").arg(LocalNumber(*speed, 'f', 1)));
    }
    store->SetProgressNote(row, note);
    emit Advanced();
}

void BatchDriver::WriteStatus(int row, const QString& status) {
    if (ValidRow(row)) {
        jobList_.Store()->SetStatus(row, status);
    }
}

void BatchDriver::Finish(int row, quint32 color) {
    if (ValidRow(row)) {
        jobList_.Store()->SetTextColor(row, JobRow::Status, color);
    }
}

void BatchDriver::GatherAhead(int row) {
    const JobListStore* store = jobList_.Store();
    for (int next = row + 1; store && !stop_ && next < store->RecordCount(); ++next) {
        const JobRow& job = store->Row(next);
        if (!Eligible(job, take_)) {
            continue;
        }
        const FormatParameters parameters = hooks_.parameters();
        if (parameters.options) {
            FileConversion::Request request =
                RequestFor(next, job.filePath, QStringLiteral("ahead.") + hooks_.outputType(),
                           *parameters.options, 0);
            ahead_.Gather(FileConversion::Wanted(request));
        }
        return;
    }
}

}  // namespace reelwright
