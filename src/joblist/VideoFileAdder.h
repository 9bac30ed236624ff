#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace reelwright {

class JobList;

// The three ways files enter the list: the open dialog, a folder, and drops on the grid.
class VideoFileAdder {
  public:
    VideoFileAdder(JobList& jobList, QWidget* owner) : jobList_(jobList), owner_(owner) {}

    // The open dialog's filters, in Qt's form; upper-case extensions match as well.
    static QString OpenDialogFilter();
    // The names of the files directly inside a folder, hidden ones included, folders skipped.
    static QStringList GetFolderFiles(const QString& folder);

    // Queues the given full paths, or asks for files with the open dialog when none are given.
    // Refusals are reported once at the end.
    void AddVideoFiles(const QStringList& fileList = {});
    // Asks for a folder and queues the files directly inside it.
    void AddFolder();
    // Queues dropped files, and the files directly inside dropped folders; refusals are not
    // reported.
    void AddDropped(const QStringList& paths);

    // Ends the current batch of adds after the file being added (the window is closing).
    void RequestStop() { stopRequested_ = true; }

  private:
    QStringList ShowOpenDialog();

    JobList& jobList_;
    QWidget* owner_;
    bool stopRequested_ = false;
};

}  // namespace reelwright
