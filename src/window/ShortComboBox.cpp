#include "window/ShortComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace reelwright {

ShortComboBox::ShortComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
}

QRect ShortComboBox::TextRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QString ShortComboBox::ShownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, TextRect().width());
}

void ShortComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace reelwright
