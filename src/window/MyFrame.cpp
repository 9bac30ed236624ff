#include "window/MyFrame.h"

#include "window/Look.h"
#include "window/Twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace reelwright {
namespace {

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A gradient between four corner colours, bilinear over the rectangle.
QImage FourCornerGradient(const QSize& size, const QColor& topLeft, const QColor& topRight,
                          const QColor& bottomLeft, const QColor& bottomRight) {
    QImage image(size, QImage::Format_RGB32);
    const double w = std::max(1, size.width() - 1);
    const double h = std::max(1, size.height() - 1);
    for (int y = 0; y < size.height(); ++y) {
        const double v = y / h;
        const QColor left = Mix(topLeft, bottomLeft, v);
        const QColor right = Mix(topRight, bottomRight, v);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = Mix(left, right, x / w).rgb();
        }
    }
    return image;
}

}  // namespace

MyFrame::MyFrame(const QString& caption, QWidget* parent, int borderWidth)
    : QFrame(parent), caption_(caption), borderWidth_(borderWidth) {
    setAutoFillBackground(false);
}

void MyFrame::SetCaption(const QString& caption) {
    caption_ = caption;
    update(0, 0, width(), HeaderHeight());
}

void MyFrame::SetCaptionRight(int right) {
    captionRight_ = right;
    update(0, 0, width(), HeaderHeight());
}

QRect MyFrame::CaptionRect() const {
    const int left = borderWidth_ + 8;
    const int right = captionRight_.value_or(width() - borderWidth_ - 8);
    return QRect(left, 0, std::max(0, right - left), std::min(HeaderHeight(), height()));
}

QString MyFrame::ShownCaption() const {
    return QFontMetrics(look::CaptionFont())
        .elidedText(caption_, Qt::ElideRight, CaptionRect().width());
}

int MyFrame::HeaderHeight() const {
    return caption_.isEmpty() ? 0 : Zoomed(kHeaderHeight);
}

void MyFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(borderWidth_ / 2.0, borderWidth_ / 2.0,
                                                 -borderWidth_ / 2.0, -borderWidth_ / 2.0);
    // Rounded at the top only.
    QPainterPath shape;
    const double r = look::kCornerRadius;
    shape.moveTo(outer.left(), outer.bottom());
    shape.lineTo(outer.left(), outer.top() + r);
    shape.arcTo(QRectF(outer.left(), outer.top(), 2 * r, 2 * r), 180, -90);
    shape.lineTo(outer.right() - r, outer.top());
    shape.arcTo(QRectF(outer.right() - 2 * r, outer.top(), 2 * r, 2 * r), 90, -90);
    shape.lineTo(outer.right(), outer.bottom());
    shape.closeSubpath();

    const int header = std::min(HeaderHeight(), height());
    if (background_.size() != size()) {
        // Drawn once per size: the gradients cost a pass over every pixel.
        background_ = FourCornerGradient(size(), look::kBodyCornerA, look::kBodyBack,
                                         look::kBodyCornerB, look::kBodyCornerA);
        if (header > 0) {
            QPainter headerPainter(&background_);
            headerPainter.drawImage(
                0, 0,
                FourCornerGradient(QSize(width(), header), look::kHeaderTopLeft, Qt::white,
                                   look::kHeaderBottomLeft, Qt::white));
        }
    }
    painter.save();
    painter.setClipPath(shape);
    painter.drawImage(0, 0, background_);
    if (header > 0) {
        painter.setFont(look::CaptionFont());
        painter.setPen(look::kCaptionColor);
        painter.drawText(CaptionRect(), Qt::AlignVCenter | Qt::AlignLeft, ShownCaption());
    }
    painter.restore();
    painter.setPen(QPen(look::kBorderColor, borderWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

void MyFrame::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // Only the left button moves the window, and only once the pointer has moved: a plain click
    // on the background is a click, not the start of a move.
    pressedAt_ = event->button() == Qt::LeftButton ? std::optional(event->position()) : std::nullopt;
}

void MyFrame::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton) &&
        (event->position() - *pressedAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
        pressedAt_.reset();
        emit DragStarted();
    }
}

void MyFrame::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    pressedAt_.reset();
}

}  // namespace reelwright
