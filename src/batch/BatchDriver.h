#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace reelwright {

class CVideoConv;
class JobList;

// Converts the eligible rows of the job list one after another and writes each job's events
// into its row. The walk itself knows nothing of the window; it asks for the format and the
// output names through the hooks.
class BatchDriver : public QObject {
    Q_OBJECT

  public:
    static const QColor kSuccessColor;
    static const QColor kFailureColor;

    struct Hooks {
        std::function<QString()> outputType;  // the chosen format's file extension
        std::function<QString(const QString& input, const QString& type)>
            outputPath;                       // empty: none
        std::function<QString()> parameters;  // the chosen format's encoder options
    };

    BatchDriver(JobList& jobList, Hooks hooks, QObject* parent = nullptr);
    ~BatchDriver() override;

    // Converts the rows waiting or cancelled (and checked, with `selectedOnly`). True when at
    // least one row was taken for conversion.
    bool RunBatch(bool selectedOnly);
    // Ends the batch before its next row and stops the file being converted.
    void RequestStop();
    // True from the start of RunBatch until it ends.
    bool IsConverting() const { return converting_; }
    // True while a batch is on the stack, also while a stopped one unwinds.
    bool IsRunning() const { return running_; }

    // Seconds of an "hours:minutes:seconds" text; 0 (unknown) without a ":"; none when the text
    // has fewer than three parts or a part is not a number.
    static std::optional<float> DurationSeconds(const QString& sDuration);

    // Converts one file and leaves its final status and colour in the current row.
    void ConvertVideo(const QString& origfile, const QString& outFile, const QString& sDuration);

  private:
    void FindCurrentRow();
    void cConvert_CurrentStatus(const QString& sStatus);
    void cConvert_Progress(int iProgress);
    void WriteStatus(const QString& status);
    void Finish(const QColor& color);

    JobList& jobList_;
    Hooks hooks_;
    bool converting_ = false;
    bool stop_ = false;
    bool running_ = false;
    QString currentFile_;
    int currentRow_ = -1;
    std::shared_ptr<CVideoConv> cConvert;
};

}  // namespace reelwright
