#pragma once

#include "batch/KeptQueue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

class QModelIndex;

namespace reelwright {

class JobList;
class JobListStore;

// Keeps the job list in KeptQueue::Path() as it changes, so that a restart, a logout, a power
// cut or a kill loses nothing queued: a change is written within kSaveDelayMs, and never more
// than a few times a second however fast a batch goes. Progress alone is not written.
class QueueKeeper : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSaveDelayMs = 300;
    // How often the window gets a turn while the list is read.
    static constexpr int kTurnMs = 10;
    // Names of a result looked at when finding what an ended batch wrote.
    static constexpr int kCandidatesLookedAt = 12;

    explicit QueueKeeper(JobList& list, QObject* parent = nullptr);
    ~QueueKeeper() override;  // what is not written yet is written

    // What a start found of the kept list.
    struct Restored {
        int rows = 0;
        int gone = 0;          // rows left out: their files are gone
        bool damaged = false;  // the list could not be read; it was set aside
        QString damage;        // why
        std::optional<KeptQueue::Batch> interrupted;  // the batch the program ended in
        int left = 0;                                 // its files still to convert
        int temporariesRemoved = 0;
    };
    // Puts the kept list back into the (empty) job list and removes what dead copies left
    // half-written in the folders it names. Called once, before anything else is added.
    Restored Restore();

    // A batch has begun with these rows and this format (its start is noted here); until
    // BatchEnded, a restart finds it interrupted.
    void BatchStarted(const KeptQueue::Batch& batch, const QList<int>& rows);
    // The batch ended while the program ran on: nothing to go on with.
    void BatchEnded();
    const std::optional<KeptQueue::Batch>& InterruptedBatch() const { return batch_; }
    // Rows of the batch that are still to convert.
    int FilesLeft() const;

    // Writes now (the program is ending).
    void SaveNow();
    int SaveCount() const { return saves_; }

  private:
    // Rows of the batch that still wait, but whose result it wrote: the last moments before the
    // program ended may not have been kept. A result of this batch's name, written since it
    // began, is taken as theirs.
    static void FindResultsOfTheBatch(const std::optional<KeptQueue::Batch>& batch,
                                      std::vector<JobRow>& rows);
    void Watch(JobListStore* store);
    void CellsChanged(const QModelIndex& from, const QModelIndex& to, const QList<int>& roles);
    void Schedule();

    JobList& list_;
    QTimer timer_;
    QElapsedTimer sinceSave_;
    bool pending_ = false;
    bool failureTold_ = false;
    int saves_ = 0;
    std::optional<KeptQueue::Batch> batch_;
};

}  // namespace reelwright
