#pragma once

#include <QString>
#include <QTextStream>

namespace reelwright {

// What reelwright-cli tells of each input: a line for people, or a JSON object per line for
// programs, and the counts at the end.
class CliReport {
  public:
    enum class Outcome { Converted, Failed, Unreadable, Refused, Skipped, Stopped };

    struct Entry {
        QString input;
        Outcome outcome = Outcome::Converted;
        QString status;  // as the window's list shows it ("Complete", "Error", ...)
        QString result;  // where the result is
        QString reason;  // why there is none
        double seconds = 0;
        QString counter;     // "[2/5] " for files that were converted or tried
        bool counts = true;  // whether it makes the run fail (a folder's non-video files do not)
    };

    struct Counts {
        int files = 0;
        int converted = 0;
        int failed = 0;  // the unreadable ones too
        int refused = 0;
        int skipped = 0;
        int stopped = 0;
        bool failing = false;  // something that makes the exit status 1
    };

    CliReport(QTextStream& out, bool json) : out_(out), json_(json) {}

    // A file is about to be converted (a line for people only).
    void Started(const QString& counter, const QString& input);
    void Ended(const Entry& entry);
    void Summary(int exitStatus);
    const Counts& Tally() const { return counts_; }

    // The word a program reads for each outcome.
    static QString Word(Outcome outcome);

  private:
    void Write(const QString& line);

    QTextStream& out_;
    bool json_;
    Counts counts_;
};

}  // namespace reelwright
