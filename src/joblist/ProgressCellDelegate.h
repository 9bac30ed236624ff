#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <optional>

namespace reelwright {

// Draws a numeric status as a progress bar with its percentage; every other cell is drawn as
// usual, in the text colour its row gives it.
class ProgressCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static const QColor kBarColor;
    // How much of a selected cell shows the selection around its bar.
    static constexpr int kSelectionFrame = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    // A cell's text takes the colour the store gives it.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  public:
    // A cell's text as it is shown: a status in the window's language.
    static QString ShownText(const QModelIndex& index);

    // The percentage of a status cell whose text is a number, rounded half to even.
    static std::optional<int> ProgressOf(const QModelIndex& index);

    // The bar over `rect`: the done part in `bar` with the text in `background`, the rest in
    // `background` with the text in `bar`.
    static void DrawProgressBar(QPainter& painter, const QRect& rect, int percent,
                                const QColor& bar, const QColor& background, const QFont& font);
};

}  // namespace reelwright
