#include "joblist/ProgressCellDelegate.h"

#include "joblist/JobListStore.h"
#include "joblist/JobRow.h"
#include "joblist/StatusText.h"
#include "platform/Rounding.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace reelwright {

// Darker than the design's (113, 135, 79): its percentage, on white or white on it, reads at
// 4.7:1 instead of 4.0:1.
const QColor ProgressCellDelegate::kBarColor(103, 123, 72);

std::optional<int> ProgressCellDelegate::ProgressOf(const QModelIndex& index) {
    if (index.column() != JobRow::Status) {
        return std::nullopt;
    }
    const QString text = index.data(Qt::DisplayRole).toString().trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok) {
        value = QLocale().toDouble(text, &ok);
    }
    if (!ok || std::isnan(value)) {
        return std::nullopt;  // "nan" is no percentage
    }
    return static_cast<int>(std::clamp<double>(RoundHalfEven(value), -1e9, 1e9));
}

QString ProgressCellDelegate::ShownText(const QModelIndex& index) {
    const QString text = index.data(Qt::DisplayRole).toString();
    // An unreadable length says "Error" as the status does.
    const bool said = index.column() == JobRow::Status || index.column() == JobRow::Duration;
    return said ? StatusText(text) : text;
}

void ProgressCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == JobRow::Status || index.column() == JobRow::Duration) {
        option->text = StatusText(option->text);
    }
    const QVariant color = index.data(JobListStore::kTextColorRole);
    if (color.isValid()) {
        option->palette.setColor(QPalette::Text, QColor::fromRgb(color.toUInt()));
    }
}

void ProgressCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const std::optional<int> progress = ProgressOf(index);
    if (index.column() == JobRow::CheckBox && (option.state & QStyle::State_HasFocus)) {
        // The tick's cell has no text: its focus goes round the whole cell, not round an empty
        // square beside the tick.
        QStyleOptionViewItem unfocused = option;
        unfocused.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, unfocused, index);
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* view = option.widget;
        (view ? view->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        return;
    }
    if (!progress) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QColor background = option.palette.color(QPalette::HighlightedText);
    QRect bar = option.rect;
    if (option.state & QStyle::State_Selected) {
        // A selected row keeps its bar, framed in the selection's colour.
        painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
        bar.adjust(kSelectionFrame, kSelectionFrame, -kSelectionFrame, -kSelectionFrame);
    }
    DrawProgressBar(*painter, bar, *progress, kBarColor, background, option.font);
}

void ProgressCellDelegate::DrawProgressBar(QPainter& painter, const QRect& rect, int percent,
                                           const QColor& bar, const QColor& background,
                                           const QFont& font) {
    const int p = std::clamp(percent, 0, 100);
    const QString text = QString::number(p) + u'%';
    // The bar ends where the share of the width ends, rounded half to even in cell coordinates.
    const double right = RoundHalfEven(rect.left() + p / 100.0 * rect.width());
    const QRect done(rect.left(), rect.top(), static_cast<int>(right) - rect.left(), rect.height());

    painter.save();
    painter.setFont(font);
    painter.fillRect(rect, background);
    painter.setPen(bar);
    painter.drawText(rect, Qt::AlignCenter, text);
    if (done.width() > 0) {
        painter.setClipRect(done);
        painter.fillRect(done, bar);
        painter.setPen(background);
        painter.drawText(rect, Qt::AlignCenter, text);
    }
    painter.restore();
}

}  // namespace reelwright
