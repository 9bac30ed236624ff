#pragma once

#include <QColor>
#include <QPushButton>

namespace reelwright {

// The window's push button: a flat face that lights up under the mouse. Its caption's margin is
// narrow, so the design's captions fit at their design size.
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
    bool Hovered() const { return hovered_; }
    // The pointer left without a leave event (the window was minimized under it).
    void ClearHover();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press a focused button, as on any Linux desktop.
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QColor face_;
    bool hovered_ = false;
};

}  // namespace reelwright
