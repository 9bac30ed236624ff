#include "joblist/JobGrid.h"

#include "joblist/JobGridAccessible.h"
#include "joblist/JobListStore.h"
#include "joblist/JobRow.h"
#include "joblist/ProgressCellDelegate.h"

#include <QAccessible>
#include <QDir>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace reelwright {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

JobGrid::JobGrid(QWidget* parent) : QTableView(parent) {
    JobGridAccessible::Install();
    setItemDelegate(new ProgressCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid; the arrows move inside it.
    setTabKeyNavigation(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // A frame of our own, two pixels wide, so the focus drawn on it can be seen.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kFrameWidth);
}

void JobGrid::Bind(JobListStore* store) {
    QItemSelectionModel* oldSelection = selectionModel();
    setModel(store);
    delete oldSelection;
    setColumnHidden(0, true);
    // A grid drawn smaller than the design (a small screen) keeps the columns' shares.
    const double scale = width() > 0 ? width() * 1.0 * kTwipsPerPixel / kDesignWidthTwips : 1.0;
    for (int column = 1; column < static_cast<int>(std::size(kColumnTwips)); ++column) {
        setColumnWidth(
            column, static_cast<int>(kColumnTwips[column] * std::min(scale, 1.0) / kTwipsPerPixel));
    }
}

int JobGrid::AccessibleChild(const QModelIndex& index) const {
    if (!index.isValid() || isColumnHidden(index.column())) {
        return -1;
    }
    int column = 0;
    int columns = 0;
    for (int c = 0; c < model()->columnCount(); ++c) {
        if (!isColumnHidden(c)) {
            column += c < index.column() ? 1 : 0;
            ++columns;
        }
    }
    return index.row() * columns + column;
}

void JobGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // QTableView's own would number the cells with the hidden column and the headers.
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && hasFocus()) {
        if (const int child = AccessibleChild(current); child >= 0) {
            QAccessibleEvent event(this, QAccessible::Focus);
            event.setChild(child);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void JobGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive()) {
        return;
    }
    const auto tell = [this](const QItemSelection& cells, QAccessible::Event kind) {
        for (const QModelIndex& cell : cells.indexes()) {
            if (const int child = AccessibleChild(cell); child >= 0) {
                QAccessibleEvent event(this, kind);
                event.setChild(child);
                QAccessible::updateAccessibility(&event);
            }
        }
    };
    tell(selected, QAccessible::SelectionAdd);
    tell(deselected, QAccessible::SelectionRemove);
}

void JobGrid::SetColours(const QColor& light, const QColor& dark) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, dark);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(palette);
    QPalette header = horizontalHeader()->palette();
    header.setColor(QPalette::Button, light);
    horizontalHeader()->setPalette(header);
    focusColour_ = dark;
    update();
}

bool JobGrid::event(QEvent* event) {
    const bool handled = QTableView::event(event);
    if (event->type() == QEvent::Paint) {
        // Only the frame shows here: the viewport and the headers cover the rest.
        QPainter painter(this);
        const QRect outer = rect();
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        if (hasFocus()) {
            painter.setPen(focusColour_);
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
            painter.drawRect(inner.adjusted(0, 0, -1, -1));
        } else {
            painter.setPen(palette().color(QPalette::Window).darker(140));
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
            painter.setPen(palette().color(QPalette::Base));
            painter.drawRect(inner.adjusted(0, 0, -1, -1));
        }
    }
    return handled;
}

int JobGrid::LowestHighlightedRow() const {
    int lowest = currentIndex().isValid() ? currentIndex().row() : -1;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            lowest = std::max(lowest, index.row());
        }
    }
    return lowest;
}

void JobGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && model() &&
        current.isValid()) {
        const QModelIndex box = model()->index(current.row(), JobRow::CheckBox);
        const bool checked = box.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
        model()->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QStringList JobGrid::LocalFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths << QDir::toNativeSeparators(url.toLocalFile());
        }
    }
    return paths;
}

bool JobGrid::AcceptsDrop(const QMimeData* data) const {
    return !LocalFiles(data).isEmpty() && (!dropGate_ || dropGate_());
}

void JobGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void JobGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void JobGrid::dropEvent(QDropEvent* event) {
    if (!AcceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    const QStringList paths = LocalFiles(event->mimeData());
    event->acceptProposedAction();
    emit FilesDropped(paths);
}

}  // namespace reelwright
