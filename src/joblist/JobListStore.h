#pragma once

#include "joblist/JobRow.h"

#include <QAbstractTableModel>
#include <QHash>

#include <memory>
#include <vector>

namespace reelwright {

// The job list: the queued files in the order they were added, shown by the grid. A copy of
// each row is kept frozen until the row changes, so the whole list can be taken as it stands at
// the cost of a pointer a row and of the rows changed since it was last taken (the kept list of
// thousands of rows is taken while files convert).
class JobListStore : public QAbstractTableModel {
    Q_OBJECT

  public:
    // A cell's text colour as 0xRRGGBB, for whoever draws it (the store has no colours of its
    // own: it runs without a window).
    static constexpr int kTextColorRole = Qt::UserRole + 1;
    // Told when a row joins or leaves a batch.
    static constexpr int kInBatchRole = Qt::UserRole + 2;
    // Told when a row's claim on its result's name is made or let go.
    static constexpr int kClaimRole = Qt::UserRole + 3;
    // Told when what a conversion kept of its source is known.
    static constexpr int kTracksRole = Qt::UserRole + 4;

    explicit JobListStore(QObject* parent = nullptr);

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    const JobRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)).row; }
    // Every row as it stands now, for reading on any thread; later changes to the list do not
    // reach it.
    std::vector<std::shared_ptr<const JobRow>> Snapshot() const;
    // The first row holding exactly this path, or -1.
    int FindFilePath(const QString& path) const;
    // The first row whose file is this one (the same device and inode), or -1.
    int FindFile(const FileIdentity& identity) const;

    void Append(const JobRow& row);
    // Many rows in one go (a kept list coming back): one insertion for the view.
    void AppendRows(std::vector<JobRow> rows);
    void SetInBatch(int row, bool inBatch);
    void SetClaim(int row, const std::optional<ClaimRecord>& claim);
    void SetStatus(int row, const QString& status);
    void SetCheckBox(int row, int value);
    void SetTextColor(int row, int column, TextColor color);
    // What the last conversion of a row came to: why it failed, or where its result went, and
    // where its whole text is, with its last lines.
    void SetOutcome(int row, const QString& reason, const QString& outputPath,
                    const QString& logPath = QString(), const QString& outputTail = QString());
    // What the last conversion kept of the source's tracks and left out, for the tooltip.
    void SetTracks(int row, const TrackReport& tracks);
    // While a row converts: how long it has left, for its tooltip.
    void SetProgressNote(int row, const QString& note);
    // What its result is expected to take (an empty sentence: nothing known).
    void SetEstimate(int row, const QString& sentence, qint64 bytes, double seconds);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void CellChanged(int row, int column, const QList<int>& roles);
    // The row to change; its frozen copy no longer tells it.
    JobRow& Changing(int row);
    void Index(int at);

    struct Held {
        JobRow row;
        mutable std::shared_ptr<const JobRow> frozen;  // as it was when last taken, if since
    };
    std::vector<Held> rows_;
    // Paths and files to rows: asking whether a file is listed must not read the whole list.
    QHash<QString, int> byPath_;
    QHash<QPair<quint64, quint64>, int> byFile_;
};

}  // namespace reelwright
