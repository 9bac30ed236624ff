#pragma once

#include "joblist/JobList.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QTimer;

namespace reelwright {

// The three ways files enter the list: files chosen in the open dialog, a folder, and drops on
// the grid. One add runs at a time; the window stays live while files are probed.
class VideoFileAdder : public QObject {
    Q_OBJECT

  public:
    explicit VideoFileAdder(JobList& jobList, QObject* parent = nullptr);

    // The open dialog's filters, in Qt's form; upper-case extensions match as well.
    static QString OpenDialogFilter();
    // The names of the files directly inside a folder, hidden ones included, folders skipped.
    static QStringList GetFolderFiles(const QString& folder);
    // The same names as the file system has them, in the same order: not always UTF-8.
    static QList<QByteArray> GetFolderFileNames(const QString& folder);

    // Queues full paths; refusals are reported once at the end.
    void AddVideoFiles(const QStringList& fileList);
    // Queues the files directly inside a folder, or says it has none.
    void AddFolder(const QString& folder);
    // Queues dropped files, and the files directly inside dropped folders; refusals are not
    // reported.
    void AddDropped(const QStringList& paths);
    // Queues files and folders named on a command line, as a drop, with the refusals reported.
    void AddGiven(const QStringList& paths);

    // A file the last add did not take, and why.
    struct Refusal {
        QString path;
        QString reason;
        JobList::Refusal kind = JobList::Refusal::None;
    };
    const QList<Refusal>& LastRefusals() const { return refusals_; }

    // Whether an add is running (its files being probed).
    bool IsAdding() const { return adding_; }
    // Ends the running add after the file being added (the window is closing).
    void RequestStop() { stopRequested_ = true; }

    // While `when` answers true as an add begins (a batch converts), the add goes in steps
    // between the event loop's turns instead of holding its caller, so that the loop below it
    // (the batch's, reading its encoders) keeps turning: a step takes the files whose probes,
    // read ahead on threads, are done, and the add's refusals are told without waiting.
    void SetStepwise(std::function<bool()> when) { stepwise_ = std::move(when); }

  signals:
    void AddingStarted();
    void AddingFinished();

  private:
    // Runs one add: refused while another runs, and only with an encoder to probe.
    template <typename Action>
    void Run(Action action);
    // Adds each file in order; with `report`, the refusals are told once at the end.
    void AddEach(const QStringList& paths, bool report);
    // One step of an add that goes in steps; the next is asked for until the add has ended.
    void Step();
    // Takes files in order, until none is left (true) or, when `stepping`, until one's facts
    // are still being read or the step's time is up (false).
    bool TakeFiles(bool stepping);
    void EndAdd();
    // The files given, with each folder replaced by the files directly inside it.
    static QStringList WithFoldersOpened(const QStringList& paths);

    JobList& jobList_;
    bool adding_ = false;
    bool stopRequested_ = false;
    QList<Refusal> refusals_;
    std::function<bool()> stepwise_;
    // The add that goes on: its files, the next to take, whether its refusals are told.
    QStringList paths_;
    qsizetype next_ = 0;
    bool report_ = false;
    bool inSteps_ = false;
    QTimer* stepTimer_ = nullptr;
};

}  // namespace reelwright
