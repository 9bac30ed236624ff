#pragma once

#include <QFile>
#include <QString>

namespace reelwright {

// The whole text of one conversion, written to a file as it arrives, so a failure can be read
// in full however long the encoder went on. The logs lie in StateFolder()/logs, named by the
// date, time and input's name; the newest kKept are kept.
class RunLog {
  public:
    static constexpr int kKept = 200;
    static QString Folder();

    // Opens a new log for a conversion of `input`, headed by the command line.
    RunLog(const QString& input, const QString& commandLine);
    void Append(const QString& text);
    // Empty when the log could not be written.
    QString Path() const { return file_.isOpen() ? file_.fileName() : QString(); }

  private:
    static void Prune(const QString& folder);

    QFile file_;
};

}  // namespace reelwright
