#include "window/MyButton.h"

#include "window/Look.h"

#include <QKeyEvent>
#include <QPainter>

namespace reelwright {

const QColor MyButton::kTextFace(199, 214, 161);
const QColor MyButton::kHoverFace(255, 244, 204);
const QColor MyButton::kCornerFace(192, 255, 192);
const QColor MyButton::kCloseFace(255, 128, 128);

MyButton::MyButton(const QString& caption, QWidget* parent, const QColor& face)
    : QPushButton(caption, parent), face_(face) {
    setFont(look::ButtonFont());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void MyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor face = hovered_ && isEnabled() ? kHoverFace : face_;
    if (isDown()) {
        face = face.darker(110);
    }
    painter.setPen(isEnabled() ? look::kBorderColor : QColor(160, 160, 160));
    painter.setBrush(face);
    painter.drawRoundedRect(box, 3, 3);

    // Shrink the caption rather than cut it.
    QFont font = this->font();
    const QRect area = rect().adjusted(2, 1, -2, -1);
    while (font.pointSizeF() > 6.0 &&
           QFontMetrics(font).size(Qt::TextShowMnemonic, text()).width() > area.width()) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    painter.setFont(font);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(look::kColorDark, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(2, 2, -2, -2), 2, 2);
    }
}

void MyButton::ClearHover() {
    hovered_ = false;
    update();
}

void MyButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void MyButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QPushButton::enterEvent(event);
}

void MyButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QPushButton::leaveEvent(event);
}

}  // namespace reelwright
