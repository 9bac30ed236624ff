#pragma once

#include "conversion/OutputNaming.h"
#include "cli/CliInput.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace reelwright {

// A folder whose videos are taken as they appear, each once it is whole: closed by the program
// that wrote it, where the system tells (inotify sees writes made on this machine), and its size
// and time unchanged a while, for copies made from elsewhere that nothing here can see.
class WatchedFolder {
  public:
    // How long a watched file's size and time must stay as they are before it is taken.
    static constexpr int kSettleMs = 5000;
    // How often a watched folder is looked at.
    static constexpr int kScanMs = 1000;

    // Why `folder` cannot be watched now (it is not there, is no folder, cannot be read), in a
    // line that names it; or empty.
    static QString Unwatchable(const QString& folder);
    // Why `folder` cannot be watched with the results going to `results`, or empty.
    static QString Problem(const QString& folder, const OutputFolderChoice& results);

    // The watch's clock starts now.
    explicit WatchedFolder(const QString& folder);
    ~WatchedFolder();
    WatchedFolder(const WatchedFolder&) = delete;
    WatchedFolder& operator=(const WatchedFolder&) = delete;
    // The files no program here is writing whose size and time have not changed for
    // kSettleMs, each file once (again once it has changed).
    QList<CliInput> Settled();
    // What was seen and not taken since last asked (links, pipes, devices), with why: each
    // once while it is there.
    QStringList TakeRefusals();

  private:
    // What a watched file looked like when it was last seen.
    struct Sighting {
        qint64 size = -1;
        qint64 modified = 0;  // nanoseconds
        quint64 inode = 0;
        qint64 since = 0;  // when it was first seen so, on the watch's clock
        bool taken = false;
    };

    // Takes in what the system said of the folder since last asked.
    void ReadEvents();
    void SetAside(const QByteArray& name, mode_t mode);

    QString folder_;
    QHash<QByteArray, Sighting> sightings_;
    int events_ = -1;           // the system's word on writes in the folder, where it gives it
    QSet<QByteArray> writing_;  // names written to and not yet closed
    QSet<QByteArray> setAside_;  // names not taken, already said
    QStringList refusals_;
    QElapsedTimer clock_;
};

}  // namespace reelwright
