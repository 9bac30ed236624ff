#include "window/CustomFieldGuard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace reelwright {
namespace {

class FieldValidator final : public QValidator {
  public:
    FieldValidator(custom::TextField field, QObject* parent) : QValidator(parent), field_(field) {}
    State validate(QString& input, int&) const override {
        return custom::AcceptText(field_, input) ? Acceptable : Invalid;
    }

  private:
    custom::TextField field_;
};

}  // namespace

CustomFieldGuard::CustomFieldGuard(QLineEdit* edit, custom::TextField field)
    : QObject(edit), edit_(edit), field_(field) {}

void CustomFieldGuard::Attach(QLineEdit* edit, custom::TextField field) {
    edit->setMaxLength(custom::MaxLength(field));
    edit->setValidator(new FieldValidator(field, edit));
    edit->installEventFilter(new CustomFieldGuard(edit, field));
}

bool CustomFieldGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    QChar typed;
    if (key->key() == Qt::Key_Backspace) {
        typed = custom::kBackspace;
    } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        typed = custom::kEnter;
    } else if (!key->text().isEmpty() && key->text()[0].isPrint()) {
        typed = key->text()[0];
    } else {
        return false;  // moving, deleting and shortcuts are not typed characters
    }
    const custom::KeyPlace place =
        edit_->hasSelectedText()
            ? custom::KeyPlace{edit_->selectionStart(), edit_->selectionLength()}
            : custom::KeyPlace{edit_->cursorPosition(), 0};
    return !custom::AcceptKey(field_, edit_->text(), typed, place);
}

}  // namespace reelwright
