#pragma once

#include <QColor>
#include <QPushButton>

namespace reelwright {

// The window's push button: a flat face that lights up under the mouse.
class MyButton : public QPushButton {
    Q_OBJECT

  public:
    static const QColor kTextFace;
    static const QColor kHoverFace;
    static const QColor kCornerFace;
    static const QColor kCloseFace;

    explicit MyButton(const QString& caption, QWidget* parent = nullptr,
                      const QColor& face = kTextFace);

    QColor Face() const { return face_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QColor face_;
    bool hovered_ = false;
};

}  // namespace reelwright
