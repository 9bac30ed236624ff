#include "keptlist/QueueKeeper.h"

#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "conversion/ResultClaim.h"
#include "joblist/JobList.h"
#include "platform/SafeFile.h"
#include "platform/UserFolders.h"
#include "platform/Yield.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace reelwright {
namespace {

// Statuses that change while a file converts and mean nothing after a restart.
bool IsPassing(const QString& status) {
    bool number = false;
    status.toInt(&number);
    return number || status == QStringLiteral("Starting...") ||
           status == QStringLiteral("Unknown format") ||
           status.endsWith(QStringLiteral(" Seconds Converted"));
}

}  // namespace

QueueKeeper::QueueKeeper(JobList& list, QObject* parent) : QObject(parent), list_(list) {
    timer_.setSingleShot(true);
    // A change is written beside the window: nothing waits for it.
    connect(&timer_, &QTimer::timeout, this, [this] { Save(Wait::None); });
    connect(&list_, &JobList::StoreReplaced, this, [this](JobListStore* store) {
        Watch(store);
        Schedule();
    });
    Watch(list_.Store());
}

QueueKeeper::~QueueKeeper() {
    if (pending_) {
        SaveNow();
    }
    writer_.reset();  // what it was given is on the disk before the list is let go
    if (listLock_ >= 0) {
        ::close(listLock_);
    }
}

namespace {

// The list's lock file, opened; -1 when it cannot be (a state folder that cannot be written:
// then there is no list to keep either).
int OpenListLock() {
    QDir().mkpath(StateFolder());
    // Never waits: a pipe put at its name is no lock, and is refused at once.
    return SafeFile::OpenForLocking(QFile::encodeName(KeptQueue::LockPath()), true, 0600).Release();
}

}  // namespace

bool QueueKeeper::TakeList() {
    listLock_ = OpenListLock();
    if (listLock_ < 0) {
        return true;  // nobody can hold it, and this window goes on as it always did
    }
    if (::flock(listLock_, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(listLock_);
    listLock_ = -1;
    return !held;  // a folder without locks: as before, the list is this window's
}

bool QueueKeeper::ListKeptElsewhere() {
    const int fd = OpenListLock();
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void QueueKeeper::Watch(JobListStore* store) {
    if (!store) {
        return;
    }
    connect(store, &QAbstractItemModel::rowsInserted, this, &QueueKeeper::Schedule);
    connect(store, &QAbstractItemModel::rowsRemoved, this, &QueueKeeper::Schedule);
    connect(store, &QAbstractItemModel::modelReset, this, &QueueKeeper::Schedule);
    connect(store, &QAbstractItemModel::dataChanged, this, &QueueKeeper::CellsChanged);
}

void QueueKeeper::CellsChanged(const QModelIndex& from, const QModelIndex& to,
                               const QList<int>& roles) {
    // Tooltips and the passing percentages are not worth a write.
    if (roles == QList<int>{Qt::ToolTipRole}) {
        return;
    }
    const JobListStore* store = list_.Store();
    if (store && from.column() == JobRow::Status && to.column() == JobRow::Status &&
        from.row() == to.row() && from.row() < store->RecordCount() &&
        roles == QList<int>{Qt::DisplayRole} && IsPassing(store->Row(from.row()).status)) {
        return;
    }
    Schedule();
}

void QueueKeeper::Schedule() {
    pending_ = true;
    if (timer_.isActive()) {
        return;
    }
    // At once after a quiet while; else when kSaveDelayMs have passed since the last write.
    const qint64 since = sinceSave_.isValid() ? sinceSave_.elapsed() : kSaveDelayMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, kSaveDelayMs - since)));
}

bool QueueKeeper::SaveNow() {
    return Save(Wait::Blocking);
}

bool QueueKeeper::SaveNowKeepingTurns() {
    return Save(Wait::KeepingTurns);
}

bool QueueKeeper::Save(Wait wait) {
    timer_.stop();
    if (!ready_) {
        return false;  // until the kept list is read, an empty list would replace it
    }
    pending_ = false;
    sinceSave_.start();
    // Taken now, as the window shows it; turned into text and written beside it.
    KeptQueue queue;
    if (const JobListStore* store = list_.Store()) {
        queue.windowRows = store->Snapshot();
    }
    queue.batch = batch_;
    ++saves_;
    QString error;
    if (!writingBeside_) {
        if (queue.Save(&error)) {
            return true;
        }
        TellCannotKeep(error);
        return false;
    }
    if (!writer_) {
        writer_ = std::make_unique<KeptListWriter>([this](const QString& why) {
            QMetaObject::invokeMethod(
                this, [this, why] { TellCannotKeep(why); }, Qt::QueuedConnection);
        });
    }
    const quint64 number = writer_->Submit(std::move(queue));
    if (wait == Wait::None) {
        return true;
    }
    while (!writer_->WaitFor(number, wait == Wait::Blocking ? -1 : kTurnMs)) {
        Yield::Run();
    }
    if (writer_->LastWritten(&error)) {
        return true;
    }
    TellCannotKeep(error);
    return false;
}

void QueueKeeper::TellCannotKeep(const QString& why) {
    if (failureTold_) {
        return;  // once: the list still works, it is only not kept
    }
    failureTold_ = true;
    qWarning().noquote() << "The job list cannot be kept:" << why;
    emit CannotKeep(why);
}

namespace {

// The kept list read and checked against the disk (a look per row, two for a converted one).
struct Prepared {
    KeptQueue::Loaded loaded;
    KeptQueue::Revived revived;
    QSet<QString> claimFolders;  // where rows that were converting wrote
};

Prepared Prepare(const std::atomic<bool>& cancel) {
    Prepared prepared{KeptQueue::Load(&cancel), {}, {}};
    if (cancel) {
        return prepared;
    }
    std::vector<JobRow>& kept = prepared.loaded.queue.rows;
    // A path is in the list once, whatever the file says.
    QSet<QString> seen;
    std::erase_if(kept, [&seen](const JobRow& row) {
        const bool twice = seen.contains(row.filePath);
        seen.insert(row.filePath);
        return twice;
    });
    prepared.revived = KeptQueue::Revive(std::move(kept), [&cancel](const QString& path) {
        return !cancel && QFileInfo(path).isFile();
    });
    for (const JobRow& row : prepared.revived.rows) {
        if (row.claim) {
            prepared.claimFolders.insert(QFileInfo(row.claim->temporary).path());
        }
    }
    if (cancel) {
        return prepared;
    }
    KeptQueue::SettleClaims(prepared.revived.rows);
    // Nor is one file under two spellings.
    QSet<QPair<quint64, quint64>> files;
    std::erase_if(prepared.revived.rows, [&files](JobRow& row) {
        row.identity = JobList::IdentityOf(row.filePath);
        const QPair<quint64, quint64> file(row.identity.device, row.identity.inode);
        const bool twice = row.identity.IsKnown() && files.contains(file);
        files.insert(file);
        return twice;
    });
    return prepared;
}

// Read beside the window, which keeps its turns: a list of many thousand rows must not hold it,
// nor may an ending asked meanwhile wait for it. None when the program is ending: what was read
// goes with it, and nothing is written, so the list on the disk stays whole.
std::optional<Prepared> PrepareBeside(const std::function<bool()>& abandon) {
    struct Reading {
        std::atomic<bool> cancel{false};
        std::promise<Prepared> done;
    };
    const auto shared = std::make_shared<Reading>();
    std::future<Prepared> reading = shared->done.get_future();
    std::thread([shared] { shared->done.set_value(Prepare(shared->cancel)); }).detach();
    while (reading.wait_for(std::chrono::milliseconds(QueueKeeper::kTurnMs)) != std::future_status::ready) {
        Yield::Run();
        if (abandon && abandon()) {
            // A moment for the reader to see it is over.
            shared->cancel = true;
            reading.wait_for(std::chrono::milliseconds(QueueKeeper::kAbandonWaitMs));
            return std::nullopt;
        }
    }
    return reading.get();
}

// The folders a list names: where its results went, and where the interrupted batch was
// writing.
QSet<QString> FoldersNamed(const Prepared& prepared,
                           const std::optional<KeptQueue::Batch>& batch) {
    QSet<QString> folders = prepared.claimFolders;
    for (const JobRow& row : prepared.revived.rows) {
        if (!row.outputPath.isEmpty()) {
            folders.insert(QFileInfo(row.outputPath).path());
        }
        if (batch && row.inBatch && batch->sameFolder) {
            folders.insert(QFileInfo(row.filePath).path());
        }
    }
    if (batch && !batch->sameFolder && !batch->folder.isEmpty()) {
        folders.insert(batch->folder);
    }
    return folders;
}

}  // namespace

QueueKeeper::Restored QueueKeeper::Restore(const std::function<bool()>& abandon) {
    Restored restored;
    if (!TakeList()) {
        // Another window keeps the list: its rows and its batch are its own.
        guest_ = true;
        restored.guest = true;
        return restored;
    }
    std::optional<Prepared> prepared = PrepareBeside(abandon);
    if (!prepared) {
        restored.abandoned = true;
        return restored;
    }
    if (prepared->loaded.found != KeptQueue::Found::List) {
        ready_ = true;  // there is nothing on the disk to lose
    }
    if (prepared->loaded.found == KeptQueue::Found::Damaged) {
        restored.damaged = true;
        restored.damage = prepared->loaded.error;
        Schedule();
        return restored;
    }
    if (prepared->loaded.found == KeptQueue::Found::Nothing) {
        if (pending_) {
            Schedule();
        }
        return restored;
    }
    restored.setAside = prepared->loaded.queue.setAside;
    batch_ = prepared->loaded.queue.batch;
    restored.rows = static_cast<int>(prepared->revived.rows.size());
    restored.gone = prepared->revived.gone;
    restored.goneFiles = prepared->revived.goneFiles;
    ShowRestored(FoldersNamed(*prepared, batch_), std::move(prepared->revived.rows), restored);
    return restored;
}

void QueueKeeper::ShowRestored(const QSet<QString>& folders, std::vector<JobRow> rows,
                               Restored& restored) {
    // What a dead copy left half-written in the folders the list names goes.
    for (const QString& folder : folders) {
        restored.temporariesRemoved += RemoveAbandonedTemporaries(folder);
        ResultClaim::RemoveAbandoned(folder);
        Yield::Run();
    }
    if (JobListStore* store = list_.Store()) {
        store->AppendRows(std::move(rows));
    }
    // From here on the list on the disk is what this window shows.
    ready_ = true;
    if (batch_) {
        restored.left = FilesLeft();
        restored.interrupted = restored.left > 0 ? batch_ : std::nullopt;
    }
    if (restored.gone > 0 || restored.setAside > 0 || pending_) {
        Schedule();  // the list as it is now
    }
}

void QueueKeeper::BatchStarted(const KeptQueue::Batch& batch, const QList<int>& rows) {
    batch_ = batch;
    if (batch_->started <= 0) {
        batch_->started = QDateTime::currentMSecsSinceEpoch();
    }
    if (JobListStore* store = list_.Store()) {
        const QSet<int> taken(rows.begin(), rows.end());
        for (int row = 0; row < store->RecordCount(); ++row) {
            if (store->Row(row).inBatch != taken.contains(row)) {
                store->SetInBatch(row, taken.contains(row));
            }
        }
    }
    SaveNowKeepingTurns();  // a batch that begins is kept at once: a power cut may end it
}

void QueueKeeper::JoinBatch(int row) {
    JobListStore* store = list_.Store();
    if (batch_ && store && row >= 0 && row < store->RecordCount()) {
        store->SetInBatch(row, true);  // written with the next change
    }
}

void QueueKeeper::BatchEnded() {
    batch_.reset();
    if (JobListStore* store = list_.Store()) {
        for (int row = 0; row < store->RecordCount(); ++row) {
            if (store->Row(row).inBatch) {
                store->SetInBatch(row, false);
            }
        }
    }
    Schedule();
}

int QueueKeeper::FilesLeft() const {
    const JobListStore* store = list_.Store();
    int left = 0;
    for (int row = 0; batch_ && store && row < store->RecordCount(); ++row) {
        left += BatchDriver::Eligible(store->Row(row), BatchDriver::Take::Interrupted) ? 1 : 0;
    }
    return left;
}

}  // namespace reelwright
