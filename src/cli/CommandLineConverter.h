#pragma once

#include "batch/BatchDriver.h"
#include "batch/OutputNaming.h"
#include "cli/CliOptions.h"
#include "formats/FormatChoice.h"
#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"

#include <QObject>
#include <QTextStream>

namespace reelwright {

// The converter without a window: the window's probe, naming, temporary names and judgement,
// over the window's saved choices and catalogues, with one line per file on the output.
class CommandLineConverter : public QObject {
    Q_OBJECT

  public:
    // `progress` receives a live percentage (a terminal), or nothing when null.
    CommandLineConverter(QTextStream& out, QTextStream& err, QTextStream* progress);

    // Runs the options to their end and answers the exit status.
    int Run(const CliOptions& options);
    // Ends the run (a signal): the file converting stops, no other starts, and Run answers
    // 128 + the signal's number.
    void Stop(int signal);

  private:
    int ListPresets();
    bool ChooseFormat(const CliOptions& options);
    void AddInputs(const QStringList& inputs);
    void FileStarted(int row);
    void FileFinished(int row);
    void StatusChanged(const QModelIndex& cell);
    QString Counter(int row) const;
    int SignalStatus() const { return 128 + signal_; }

    QTextStream& out_;
    QTextStream& err_;
    QTextStream* progress_;
    JobList jobList_;
    VideoFileAdder adder_;
    FormatChoice format_;
    OutputFolderChoice folder_;
    BatchDriver batch_;
    QList<int> queue_;  // the rows to convert, in order
    int signal_ = 0;
};

}  // namespace reelwright
