#pragma once

#include <QLabel>

namespace reelwright {

// A label drawn as a link: blue, with a hand for a cursor, clicked like a button. Tab reaches
// it, its focus is drawn around it, and Enter or Space clicks it.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace reelwright
