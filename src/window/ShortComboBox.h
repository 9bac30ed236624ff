#pragma once

#include <QComboBox>

namespace reelwright {

// A list narrower than its longest items: the chosen item that does not fit is drawn cut with
// an ellipsis, never cut off mid-word without a sign, and its whole text is the tooltip.
class ShortComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ShortComboBox(QWidget* parent = nullptr);

    // The chosen item as drawn in the closed list.
    QString ShownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect TextRect() const;
};

}  // namespace reelwright
