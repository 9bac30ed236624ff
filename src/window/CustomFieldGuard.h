#pragma once

#include "formats/CustomFormat.h"

#include <QObject>

class QLineEdit;

namespace reelwright {

// Keeps a custom-format text field to its rules: typed keys pass the key filter, and any other
// change (a paste, a drop) must leave a text of the same characters and length.
class CustomFieldGuard : public QObject {
    Q_OBJECT

  public:
    static void Attach(QLineEdit* edit, custom::TextField field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CustomFieldGuard(QLineEdit* edit, custom::TextField field);

    QLineEdit* edit_;
    custom::TextField field_;
};

}  // namespace reelwright
