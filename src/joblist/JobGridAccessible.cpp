#include "joblist/JobGridAccessible.h"

#include "joblist/JobGrid.h"
#include "joblist/JobRow.h"
#include "joblist/ProgressCellDelegate.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>

namespace reelwright {
namespace {

class Cell final : public QAccessibleInterface,
                   public QAccessibleTableCellInterface,
                   public QAccessibleActionInterface {
  public:
    Cell(const JobGridAccessible* table, int row, int column)
        : table_(table), row_(row), column_(column) {}

    bool isValid() const override {
        const QAbstractItemModel* model = Model();
        return model && row_ < model->rowCount() && column_ < table_->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<JobGridAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) {
            return QString();
        }
        const QModelIndex index = Index();
        if (kind == QAccessible::Name) {
            if (index.column() == JobRow::CheckBox) {
                return Ticked() ? QCoreApplication::translate("reelwright::JobGrid", "Ticked")
                                : QCoreApplication::translate("reelwright::JobGrid", "Not ticked");
            }
            if (const std::optional<int> percent = ProgressCellDelegate::ProgressOf(index)) {
                return QStringLiteral("%1%").arg(std::clamp(*percent, 0, 100));
            }
            // As the cell shows it, in the window's language.
            const QString shown = ProgressCellDelegate::ShownText(index);
            return shown.isEmpty() ? QCoreApplication::translate("reelwright::JobGrid", "Empty")
                                   : shown;
        }
        if (kind == QAccessible::Description) {
            return index.data(Qt::ToolTipRole).toString();
        }
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        JobGrid* grid = table_->Grid();
        const QRect cell = grid->visualRect(Index());
        return QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override {
        return Index().column() == JobRow::CheckBox ? QAccessible::CheckBox : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        JobGrid* grid = table_->Grid();
        const QModelIndex index = Index();
        state.selectable = true;
        state.focusable = true;
        state.multiSelectable = true;
        state.extSelectable = true;
        state.readOnly = true;
        if (grid->selectionModel() && grid->selectionModel()->isSelected(index)) {
            state.selected = true;
        }
        if (grid->currentIndex() == index) {
            state.focused = grid->hasFocus();
        }
        if (!grid->viewport()->rect().intersects(grid->visualRect(index))) {
            state.invisible = true;
            state.offscreen = true;
        }
        if (index.column() == JobRow::CheckBox) {
            state.checkable = true;
            state.checked = Ticked();
            state.readOnly = false;
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    // QAccessibleTableCellInterface
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return row_; }
    bool isSelected() const override { return state().selected; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface: a tick toggles, any cell is made the current one.
    QStringList actionNames() const override {
        QStringList names{setFocusAction()};
        if (Index().column() == JobRow::CheckBox) {
            names.prepend(toggleAction());
        }
        return names;
    }
    void doAction(const QString& name) override {
        if (!isValid()) {
            return;
        }
        JobGrid* grid = table_->Grid();
        const QModelIndex index = Index();
        if (name == toggleAction() && index.column() == JobRow::CheckBox) {
            grid->model()->setData(index, Ticked() ? Qt::Unchecked : Qt::Checked,
                                   Qt::CheckStateRole);
        } else if (name == setFocusAction()) {
            grid->setCurrentIndex(index);
            grid->setFocus(Qt::OtherFocusReason);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

  private:
    const QAbstractItemModel* Model() const {
        JobGrid* grid = table_->Grid();
        return grid ? grid->model() : nullptr;
    }
    QModelIndex Index() const { return Model()->index(row_, table_->ModelColumn(column_)); }
    bool Ticked() const { return Index().data(Qt::CheckStateRole).toInt() == Qt::Checked; }

    const JobGridAccessible* table_;
    int row_;
    int column_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("reelwright::JobGrid") && object && object->isWidgetType()) {
        return new JobGridAccessible(static_cast<JobGrid*>(object));
    }
    return nullptr;
}

}  // namespace

JobGridAccessible::JobGridAccessible(JobGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

JobGridAccessible::~JobGridAccessible() {
    Forget();
}

void JobGridAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

JobGrid* JobGridAccessible::Grid() const {
    return static_cast<JobGrid*>(widget());
}

void* JobGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int JobGridAccessible::ModelColumn(int column) const {
    const QAbstractItemModel* model = Grid()->model();
    for (int c = 0, seen = 0; model && c < model->columnCount(); ++c) {
        if (!Grid()->isColumnHidden(c) && seen++ == column) {
            return c;
        }
    }
    return -1;
}

int JobGridAccessible::columnCount() const {
    const QAbstractItemModel* model = Grid()->model();
    int count = 0;
    for (int c = 0; model && c < model->columnCount(); ++c) {
        count += Grid()->isColumnHidden(c) ? 0 : 1;
    }
    return count;
}

int JobGridAccessible::rowCount() const {
    const QAbstractItemModel* model = Grid()->model();
    return model ? model->rowCount() : 0;
}

QString JobGridAccessible::columnDescription(int column) const {
    const QAbstractItemModel* model = Grid()->model();
    const QString header =
        model ? model->headerData(ModelColumn(column), Qt::Horizontal).toString() : QString();
    return header.trimmed().isEmpty() && ModelColumn(column) == JobRow::CheckBox
               ? QCoreApplication::translate("reelwright::JobGrid", "Tick")
               : header;
}

int JobGridAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* JobGridAccessible::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount()) {
        return nullptr;
    }
    return cellAt(index / columns, index % columns);
}

QAccessibleInterface* JobGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return nullptr;
    }
    const QPair<int, int> key(row, column);
    if (const auto known = cells_.constFind(key); known != cells_.constEnd()) {
        if (QAccessibleInterface* cell = QAccessible::accessibleInterface(*known)) {
            return cell;
        }
    }
    auto* cell = new Cell(this, row, column);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int JobGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const QAccessibleTableCellInterface* cell =
            const_cast<QAccessibleInterface*>(child)->tableCellInterface()) {
        if (child->parent() == this) {
            return cell->rowIndex() * columnCount() + cell->columnIndex();
        }
    }
    return -1;
}

QAccessibleInterface* JobGridAccessible::childAt(int x, int y) const {
    const QPoint at = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = Grid()->indexAt(at);
    if (!index.isValid()) {
        return nullptr;
    }
    for (int column = 0; column < columnCount(); ++column) {
        if (ModelColumn(column) == index.column()) {
            return cellAt(index.row(), column);
        }
    }
    return nullptr;
}

int JobGridAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> JobGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column) {
            cells << cellAt(row, column);
        }
    }
    return cells;
}

int JobGridAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

QList<int> JobGridAccessible::selectedRows() const {
    QList<int> rows;
    if (const QItemSelectionModel* selection = Grid()->selectionModel()) {
        for (const QModelIndex& index : selection->selectedRows(ModelColumn(0))) {
            rows << index.row();
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool JobGridAccessible::isRowSelected(int row) const {
    const QItemSelectionModel* selection = Grid()->selectionModel();
    return selection && selection->isRowSelected(row, QModelIndex());
}

bool JobGridAccessible::selectRow(int row) {
    QItemSelectionModel* selection = Grid()->selectionModel();
    if (!selection || row < 0 || row >= rowCount()) {
        return false;
    }
    selection->select(Grid()->model()->index(row, ModelColumn(0)),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
}

bool JobGridAccessible::unselectRow(int row) {
    QItemSelectionModel* selection = Grid()->selectionModel();
    if (!selection || row < 0 || row >= rowCount()) {
        return false;
    }
    selection->select(Grid()->model()->index(row, ModelColumn(0)),
                      QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

void JobGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
        Forget();  // rows come and go: every cell is asked for anew
    }
}

void JobGridAccessible::Forget() const {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        if (QAccessible::accessibleInterface(id)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    cells_.clear();
}

}  // namespace reelwright
