#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

#include <optional>

namespace reelwright {

// A framed panel with a caption header, the container of the window's controls.
class MyFrame : public QFrame {
    Q_OBJECT

  public:
    explicit MyFrame(const QString& caption, QWidget* parent = nullptr, int borderWidth = 2);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The caption stays left of `right` (the corner buttons); what does not fit is cut with an
    // ellipsis.
    void SetCaptionRight(int right);
    // Where the caption is drawn, and the part of it that fits there.
    QRect CaptionRect() const;
    QString ShownCaption() const;
    // The design's height, at the window's zoom.
    int HeaderHeight() const;
    // A panel that slides over the window, read as a dialog by a screen reader.
    void SetPanel(bool panel) { panel_ = panel; }
    bool IsPanel() const { return panel_; }

    static constexpr int kHeaderHeight = 30;

  signals:
    // The left button was pressed on the panel's own area (not on a child control) and the
    // pointer has since travelled the desktop's drag distance: the window is to follow it.
    void DragStarted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Where the left button went down; none when no drag may start.
    std::optional<QPointF> pressedAt_;
    QString caption_;
    std::optional<int> captionRight_;
    int borderWidth_;
    bool panel_ = false;
    QImage background_;
};

}  // namespace reelwright
