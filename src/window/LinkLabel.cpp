#include "window/LinkLabel.h"

#include "window/Look.h"

#include <QMouseEvent>

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
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace reelwright
