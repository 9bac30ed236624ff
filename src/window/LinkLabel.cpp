#include "window/LinkLabel.h"

#include "window/Look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace reelwright {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, look::kLinkColor);
    setPalette(palette);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    // As the window's buttons: the keyboard reaches it, a click does not take the focus.
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus frame around the text.
    setContentsMargins(2, 1, 2, 1);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The window's focus mark, as its buttons draw it.
        QPainter painter(this);
        painter.setPen(QPen(look::kColorDark, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace reelwright
