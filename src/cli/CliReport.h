#pragma once

#include "conversion/FileEstimate.h"
#include "plan/TrackReport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QTextStream>

#include <optional>

namespace reelwright {

// What reelwright-cli tells of each input: a line for people, or a JSON object per line for
// programs, and the counts at the end.
class CliReport {
    Q_DECLARE_TR_FUNCTIONS(reelwright::CliReport)

  public:
    enum class Outcome {
        Converted,
        Failed,
        Unreadable,
        Refused,
        Skipped,    // its result was already there
        Elsewhere,  // another run is converting it
        Stopped,
        WouldConvert,  // a dry run's verdict
    };

    struct Entry {
        QString input;
        QByteArray native;  // the input's name as the file system has it, when known
        Outcome outcome = Outcome::Converted;
        QString status;  // as the window's list shows it ("Complete", "Error", ...)
        QString result;  // where the result is
        QByteArray nativeResult;  // the same as the file system has it, when known
        QString reason;  // why there is none
        double seconds = 0;
        TrackReport tracks;  // what a converted file kept of its source, and left out
        QString counter;     // "[2/5] " for files that were converted or tried
        bool counts = true;  // whether it makes the run fail (a folder's non-video files do not)
        std::optional<FileEstimate> estimate;  // its size and time, when asked before converting
    };

    // How far a converting file has come, for programs that draw their own bar.
    struct Progress {
        QString input;
        std::optional<double> percent;
        double converted = 0;  // seconds of the input
        std::optional<double> left;
        std::optional<double> speed;
        double seconds = 0;  // since the file started
    };

    struct Counts {
        int files = 0;
        int converted = 0;
        int failed = 0;
        int unreadable = 0;
        int refused = 0;
        int skipped = 0;
        int elsewhere = 0;
        int stopped = 0;
        int wouldConvert = 0;
        bool failing = false;  // something that makes the exit status 1
        // Whether every input was refused (or there was none): nothing could be taken.
        bool OnlyRefused() const { return refused == files; }
    };

    CliReport(QTextStream& out, bool json, bool dryRun = false)
        : out_(out), json_(json), dryRun_(dryRun) {}

    // A file is about to be converted (a line for people only).
    void Started(const QString& counter, const QString& input);
    void Ended(const Entry& entry);
    void Tell(const Progress& progress);
    void Summary(int exitStatus);
    const Counts& Tally() const { return counts_; }

    // The word a program reads for each outcome.
    static QString Word(Outcome outcome);

  private:
    void Write(const QString& line);
    static QJsonObject JsonOf(const Entry& entry);

    QTextStream& out_;
    bool json_;
    bool dryRun_;
    Counts counts_;
    std::optional<FileEstimate> total_;  // of the estimates told
};

}  // namespace reelwright
