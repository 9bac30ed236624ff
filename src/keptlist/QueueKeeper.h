#pragma once

#include "keptlist/KeptListWriter.h"
#include "keptlist/KeptQueue.h"

#include <QElapsedTimer>
#include <QSet>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QModelIndex;

namespace reelwright {

class JobList;
class JobListStore;

// Keeps the job list in KeptQueue::Path() as it changes, so that a restart, a logout, a power
// cut or a kill loses nothing queued: a change is written within kSaveDelayMs, and never more
// than a few times a second however fast a batch goes. Progress alone is not written.
// One window keeps the list at a time: the first to start holds KeptQueue::LockPath(); a window
// started while it runs is a guest, which neither reads nor writes the list. Nothing is
// written before the kept list has been read, so the file never holds less than it did.
class QueueKeeper : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSaveDelayMs = 300;
    // How often the window gets a turn while the list is read.
    static constexpr int kTurnMs = 10;
    explicit QueueKeeper(JobList& list, QObject* parent = nullptr);
    ~QueueKeeper() override;  // what is not written yet is written

    // What a start found of the kept list.
    struct Restored {
        int rows = 0;
        int gone = 0;          // rows left out: their files are gone
        QStringList goneFiles;  // which, the first KeptQueue::kMostGoneNamed
        bool damaged = false;  // the list could not be read; it was set aside
        QString damage;        // why
        std::optional<KeptQueue::Batch> interrupted;  // the batch the program ended in
        int left = 0;                                 // its files still to convert
        int temporariesRemoved = 0;
        int setAside = 0;    // rows that could not be read; kept in KeptQueue::AsidePath()
        bool guest = false;  // another window keeps the list
        bool abandoned = false;  // the program was asked to end while the list was read
    };
    // Puts the kept list back into the (empty) job list and removes what dead copies left
    // half-written in the folders it names. Called once, before anything else is added. While
    // the list is read the window keeps its turns; when `abandon` answers true meanwhile (the
    // program is asked to end), the reading is left at once and nothing is ever written.
    Restored Restore(const std::function<bool()>& abandon = {});
    // How long an abandoned reading is given to notice before the program goes on ending.
    static constexpr int kAbandonWaitMs = 2000;

    // A batch has begun with these rows and this format (its start is noted here); until
    // BatchEnded, a restart finds it interrupted.
    void BatchStarted(const KeptQueue::Batch& batch, const QList<int>& rows);
    // A row added meanwhile has joined the running batch: a restart finds it among the batch's.
    void JoinBatch(int row);
    // The batch ended while the program ran on: nothing to go on with.
    void BatchEnded();
    const std::optional<KeptQueue::Batch>& InterruptedBatch() const { return batch_; }
    // Rows of the batch that are still to convert.
    int FilesLeft() const;

    // Writes now, and returns once the list is on the disk (the program is ending). False when
    // it could not be written, or is not this window's.
    bool SaveNow();
    // The same, the window keeping its turns while the list is written (a file is about to
    // start, and its claim must be on the disk first).
    bool SaveNowKeepingTurns();
    // Lists are turned into text and written on a thread of their own (the default), or on the
    // window's, as they once were (to measure the difference).
    void SetWritingBeside(bool beside) { writingBeside_ = beside; }
    int SaveCount() const { return saves_; }
    // Whether another window keeps the list, so that this one's is not kept.
    bool IsGuest() const { return guest_; }
    // Whether a running window keeps the list now.
    static bool ListKeptElsewhere();

  signals:
    // The list could not be written: told once, the first time; the program goes on.
    void CannotKeep(const QString& why);

  private:
    // The rows read are shown, what dead copies left in `folders` is removed, and the list is
    // kept from then on.
    void ShowRestored(const QSet<QString>& folders, std::vector<JobRow> rows, Restored& restored);
    // Takes the list for this window; false when another holds it.
    bool TakeList();
    void Watch(JobListStore* store);
    void CellsChanged(const QModelIndex& from, const QModelIndex& to, const QList<int>& roles);
    void Schedule();
    enum class Wait { None, KeepingTurns, Blocking };
    bool Save(Wait wait);
    // The list could not be written: said once.
    void TellCannotKeep(const QString& why);

    JobList& list_;
    QTimer timer_;
    QElapsedTimer sinceSave_;
    bool pending_ = false;
    bool failureTold_ = false;
    bool ready_ = false;  // the kept list has been read: writes may begin
    bool guest_ = false;
    int listLock_ = -1;
    int saves_ = 0;
    std::optional<KeptQueue::Batch> batch_;
    bool writingBeside_ = true;
    std::unique_ptr<KeptListWriter> writer_;
};

}  // namespace reelwright
