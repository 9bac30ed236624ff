#pragma once

#include "batch/BatchDriver.h"
#include "batch/OutputNaming.h"
#include "cli/CliOptions.h"
#include "cli/CliReport.h"
#include "formats/FormatChoice.h"
#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <memory>

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

    // Stops the run as soon as whoever reads `fd` (a pipe) goes away, not only at the next line.
    void WatchOutput(int fd);
    // The signal that ended the run, or 0.
    int StoppedBy() const { return signal_; }

    // The presets whose "CATEGORY/LABEL" is nearest to `wanted`, nearest first.
    static QStringList ClosestPresets(const QString& wanted, const QStringList& presets);

  private:
    // A file to account for: named on the command line, or found in a named folder.
    struct Input {
        QString path;
        bool inFolder = false;
    };

    int ListPresets();
    bool ChooseFormat(const CliOptions& options);
    QList<Input> OpenFolders(const QStringList& inputs);
    // Adds the files and tells what became of those that will not be converted.
    void AddInputs(const QList<Input>& inputs, bool skipExisting);
    void FileStarted(int row);
    void FileFinished(int row);
    void StatusChanged(const QModelIndex& cell);
    QString Counter(int row) const;
    int ExitStatus() const;
    // A write to a closed output ends the run as a signal would (SIGPIPE).
    void CheckOutput();

    QTextStream& out_;
    QTextStream& err_;
    QTextStream* progress_;
    JobList jobList_;
    VideoFileAdder adder_;
    FormatChoice format_;
    OutputFolderChoice folder_;
    BatchDriver batch_;
    std::unique_ptr<CliReport> report_;
    QList<int> queue_;  // the rows to convert, in order
    QElapsedTimer fileClock_;
    QTimer* outputWatch_ = nullptr;
    int signal_ = 0;
};

}  // namespace reelwright
