#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace reelwright {

// A framed panel with a caption header, the container of the window's controls.
class MyFrame : public QFrame {
    Q_OBJECT

  public:
    explicit MyFrame(const QString& caption, QWidget* parent = nullptr, int borderWidth = 2);

    QString Caption() const { return caption_; }
    int HeaderHeight() const { return caption_.isEmpty() ? 0 : kHeaderHeight; }

    static constexpr int kHeaderHeight = 30;

  signals:
    // Any mouse button pressed on the panel's own area (not on a child control).
    void Pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString caption_;
    int borderWidth_;
    QImage background_;
};

}  // namespace reelwright
