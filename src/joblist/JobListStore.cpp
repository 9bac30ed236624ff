#include "joblist/JobListStore.h"

#include <QCoreApplication>

namespace reelwright {

JobListStore::JobListStore(QObject* parent) : QAbstractTableModel(parent) {}

int JobListStore::FindFilePath(const QString& path) const {
    return byPath_.value(path, -1);
}

int JobListStore::FindFile(const FileIdentity& identity) const {
    if (!identity.IsKnown()) {
        return -1;
    }
    return byFile_.value({identity.device, identity.inode}, -1);
}

std::vector<std::shared_ptr<const JobRow>> JobListStore::Snapshot() const {
    std::vector<std::shared_ptr<const JobRow>> rows;
    rows.reserve(rows_.size());
    for (const Held& held : rows_) {
        if (!held.frozen) {
            held.frozen = std::make_shared<const JobRow>(held.row);
        }
        rows.push_back(held.frozen);
    }
    return rows;
}

JobRow& JobListStore::Changing(int row) {
    Held& held = rows_.at(static_cast<std::size_t>(row));
    held.frozen.reset();
    return held.row;
}

// The first row of a path or file is the one found.
void JobListStore::Index(int at) {
    const JobRow& row = rows_[static_cast<std::size_t>(at)].row;
    byPath_.insert(row.filePath, byPath_.value(row.filePath, at));
    if (row.identity.IsKnown()) {
        const QPair<quint64, quint64> key{row.identity.device, row.identity.inode};
        byFile_.insert(key, byFile_.value(key, at));
    }
}

void JobListStore::Append(const JobRow& row) {
    const int at = RecordCount();
    beginInsertRows(QModelIndex(), at, at);
    rows_.push_back({row, nullptr});
    Index(at);
    endInsertRows();
}

void JobListStore::AppendRows(std::vector<JobRow> rows) {
    if (rows.empty()) {
        return;
    }
    const int at = RecordCount();
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(rows.size()) - 1);
    rows_.reserve(rows_.size() + rows.size());
    for (JobRow& row : rows) {
        rows_.push_back({std::move(row), nullptr});
        Index(RecordCount() - 1);
    }
    endInsertRows();
}

void JobListStore::SetInBatch(int row, bool inBatch) {
    Changing(row).inBatch = inBatch;
    // Nothing shown changes; whoever keeps the list hears of it.
    CellChanged(row, JobRow::ID, {kInBatchRole});
}

void JobListStore::SetClaim(int row, const std::optional<ClaimRecord>& claim) {
    Changing(row).claim = claim;
    CellChanged(row, JobRow::ID, {kClaimRole});
}

void JobListStore::SetStatus(int row, const QString& status) {
    Changing(row).status = status;
    CellChanged(row, JobRow::Status, {Qt::DisplayRole});
}

void JobListStore::SetCheckBox(int row, int value) {
    Changing(row).checkBox = value;
    CellChanged(row, JobRow::CheckBox, {Qt::CheckStateRole});
}

void JobListStore::SetTextColor(int row, int column, TextColor color) {
    Changing(row).textColors.at(static_cast<std::size_t>(column)) = color;
    CellChanged(row, column, {kTextColorRole, Qt::ForegroundRole});
}

void JobListStore::SetOutcome(int row, const QString& reason, const QString& outputPath,
                              const QString& logPath, const QString& outputTail) {
    JobRow& job = Changing(row);
    job.reason = reason;
    job.outputPath = outputPath;
    job.logPath = logPath;
    job.outputTail = outputTail;
    job.progressNote.clear();
    CellChanged(row, JobRow::Status, {Qt::ToolTipRole});
}

void JobListStore::SetTracks(int row, const TrackReport& tracks) {
    Changing(row).tracks = tracks;
    CellChanged(row, JobRow::Status, {Qt::ToolTipRole, kTracksRole});
}

void JobListStore::SetProgressNote(int row, const QString& note) {
    Changing(row).progressNote = note;
    CellChanged(row, JobRow::Status, {Qt::ToolTipRole});
}

void JobListStore::SetEstimate(int row, const QString& sentence, qint64 bytes, double seconds) {
    JobRow& job = Changing(row);
    job.estimate = sentence;
    job.estimatedBytes = bytes;
    job.estimatedSeconds = seconds;
    CellChanged(row, JobRow::Status, {Qt::ToolTipRole});
}

void JobListStore::CellChanged(int row, int column, const QList<int>& roles) {
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, roles);
}

int JobListStore::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RecordCount();
}

int JobListStore::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : JobRow::kColumnCount;
}

QVariant JobListStore::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RecordCount()) {
        return {};
    }
    const JobRow& row = Row(index.row());
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == JobRow::CheckBox) {
        return row.IsChecked() ? Qt::Checked : Qt::Unchecked;
    }
    if (role == kTextColorRole) {
        const TextColor& color = row.textColors.at(static_cast<std::size_t>(column));
        return color ? QVariant(*color) : QVariant();
    }
    if (role == Qt::ToolTipRole) {
        // The whole path, however the cell cuts it; why a conversion failed.
        if (column == JobRow::FilePath) {
            return row.filePath;
        }
        if (column == JobRow::Status && !row.progressNote.isEmpty()) {
            return row.progressNote;
        }
        if (column == JobRow::Status && !row.reason.isEmpty()) {
            return row.reason;
        }
        // What a conversion kept of the source, and what it could not.
        if (column == JobRow::Status && row.status == QStringLiteral("Complete") &&
            !row.tracks.IsEmpty()) {
            return row.tracks.Sentence();
        }
        // Before it converts: what its result is expected to take.
        if ((column == JobRow::Status || column == JobRow::FileSize) &&
            row.status != QStringLiteral("Complete")) {
            return row.estimate.isEmpty() ? QVariant() : QVariant(row.estimate);
        }
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (column) {
        case JobRow::ID:
            return row.id;
        case JobRow::CheckBox:
            return role == Qt::EditRole ? QVariant(row.checkBox) : QVariant();
        case JobRow::FilePath:
            return row.filePath;
        case JobRow::Status:
            return row.status;
        case JobRow::Duration:
            return row.duration;
        case JobRow::FileSize:
            return row.fileSize;
        default:
            return {};
    }
}

bool JobListStore::setData(const QModelIndex& index, const QVariant& value, int role) {
    // Only the check mark is the user's to change.
    if (!index.isValid() || index.column() != JobRow::CheckBox || role != Qt::CheckStateRole) {
        return false;
    }
    SetCheckBox(index.row(), value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0);
    return true;
}

Qt::ItemFlags JobListStore::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == JobRow::CheckBox) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant JobListStore::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case JobRow::CheckBox:
            return QStringLiteral(" ");
        case JobRow::FilePath:
            return QCoreApplication::translate("reelwright::JobListStore", "File Path");
        case JobRow::Status:
            return QCoreApplication::translate("reelwright::JobListStore", "Conversion Status");
        case JobRow::Duration:
            return QCoreApplication::translate("reelwright::JobListStore", "Time Length");
        case JobRow::FileSize:
            return QCoreApplication::translate("reelwright::JobListStore", "File Size");
        default:
            return QStringLiteral("ID");
    }
}

}  // namespace reelwright
