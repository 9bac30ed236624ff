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

    // Opens a new log for a conversion of `input`, headed by the command line as it could be
    // pasted into a shell.
    RunLog(const QString& input, const QString& commandLine);
    // The encoder's text; its progress lines, which end in a carriage return, each on a line.
    void Append(const QString& text);
    // Ends the log with what became of the file: its status on a line of its own, then where the
    // result went or why there is none, and what it kept of the source's tracks.
    void Finish(const QString& status, const QString& result, const QString& reason,
                const QString& tracks = QString());

    // An argument as a POSIX shell takes it back unchanged.
    static QString ShellQuoted(const QString& argument);
    // A command line kept by the Windows rules, as a shell would take it.
    static QString ForShell(const QString& commandLine);
    // Empty when the log could not be written.
    QString Path() const { return file_.isOpen() ? file_.fileName() : QString(); }
    // Why it could not be, or not all of it, in a few words that name the file or folder.
    const QString& Problem() const { return problem_; }

  private:
    static void Prune(const QString& folder);

    void Write(const QString& text);

    QFile file_;
    QString problem_;
    bool afterCarriageReturn_ = false;
    bool atLineStart_ = true;
};

}  // namespace reelwright
