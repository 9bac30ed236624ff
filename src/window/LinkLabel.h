#pragma once

#include <QLabel>

namespace reelwright {

// A label drawn as a link: blue, with a hand for a cursor, clicked like a button.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace reelwright
