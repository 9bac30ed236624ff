#pragma once

#include <QString>

#include <memory>

namespace reelwright {

// A folder of our own beside a hidden result, for its encoder's first-pass log files: made by
// us alone (no other user can put a name in it), reached only through its descriptor (a folder
// renamed or swapped meanwhile changes nothing), and removed with all it holds when it goes.
// One per file, so files converting at once never share a log.
class PassLogs {
  public:
    // Beside `hidden`, named after it; none (with `error`) when it cannot be made.
    static std::unique_ptr<PassLogs> Beside(const QString& hidden, QString* error);
    ~PassLogs();
    PassLogs(const PassLogs&) = delete;
    PassLogs& operator=(const PassLogs&) = delete;

    // The descriptor the encoder is given, and the start of its log files' names through it.
    int Descriptor() const { return fd_; }
    QString Prefix() const;

    // The folder's name beside a hidden result.
    static QString NameFor(const QString& hidden);

  private:
    PassLogs(QString path, int fd) : path_(std::move(path)), fd_(fd) {}

    QString path_;
    int fd_;
};

// Removes the log folders in `folder` that programs no longer running left: those whose hidden
// result is gone (its own tidying removes it first). How many were removed.
int RemoveAbandonedPassLogs(const QString& folder);

}  // namespace reelwright
