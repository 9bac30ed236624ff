#pragma once

#include <QStringList>
#include <QTableView>

#include <functional>

namespace reelwright {

class JobListStore;

// The job list's table: one check box per row, read-only texts, files dropped from the file
// manager, and the progress bar of the status cell.
class JobGrid : public QTableView {
    Q_OBJECT

  public:
    explicit JobGrid(QWidget* parent = nullptr);

    // Binds the grid to a store and lays its columns out.
    void Bind(JobListStore* store);
    // The window's scheme: headers in the light colour, selections and the keyboard's focus in
    // the dark one.
    void SetColours(const QColor& light, const QColor& dark);
    // Whether a drop may be taken now.
    void SetDropGate(std::function<bool()> gate) { dropGate_ = std::move(gate); }
    // The lowest row that is selected, holds a selected cell, or is the current row; -1 if none.
    int LowestHighlightedRow() const;

    // Widths in twips, as the layout gives them for the design's width of the grid; ID is hidden.
    static constexpr int kColumnTwips[] = {0, 500, 5200, 2000, 1200, 1200};
    static constexpr int kDesignWidthTwips = 10530;
    static constexpr int kFrameWidth = 2;

  signals:
    void FilesDropped(const QStringList& paths);

  protected:
    // Draws the frame: the focus colour when the grid has the keyboard, with rows or without.
    bool event(QEvent* event) override;
    // Space ticks or clears the current row's check box.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A screen reader is told of the focus and the selection by the cells it is given
    // (JobGridAccessible), which leave the hidden ID out.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    // The reader's child number of a cell; -1 for a hidden one.
    int AccessibleChild(const QModelIndex& index) const;
    static QStringList LocalFiles(const QMimeData* data);
    bool AcceptsDrop(const QMimeData* data) const;

    std::function<bool()> dropGate_;
    QColor focusColour_ = Qt::darkGreen;
};

}  // namespace reelwright
