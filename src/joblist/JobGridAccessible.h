#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPair>

namespace reelwright {

class JobGrid;

// The job list as a screen reader reads it: a named table of the columns the user sees (the
// hidden ID is left out), whose tick cells are checkable and say whether they are ticked, a
// converting row's status is its percent with the time left as its description, and any other
// cell's tooltip (a failure's reason, what a result kept) is its description.
class JobGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit JobGridAccessible(JobGrid* grid);
    ~JobGridAccessible() override;

    // Makes every JobGrid read so; once is enough.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    int columnCount() const override;
    QString rowDescription(int) const override { return QString(); }
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The model's column of a column the reader sees.
    int ModelColumn(int column) const;
    JobGrid* Grid() const;

  private:
    void Forget() const;

    mutable QHash<QPair<int, int>, QAccessible::Id> cells_;
};

}  // namespace reelwright
