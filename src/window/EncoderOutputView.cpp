#include "window/EncoderOutputView.h"

#include "window/MyButton.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace reelwright {

EncoderOutputView::EncoderOutputView(const QString& fileName, const QString& logPath,
                                     const QString& tail, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Encoder Output - %1").arg(fileName));
    QString content = tail;
    QFile log(logPath);
    if (!logPath.isEmpty() && log.open(QIODevice::ReadOnly)) {
        log.seek(std::max<qint64>(0, log.size() - kShownBytes));
        // Progress lines end with a carriage return: each its own line here.
        content = QString::fromUtf8(log.readAll()).replace(u'\r', u'\n');
    }
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(content);
    text_->moveCursor(QTextCursor::End);
    //: What a screen reader calls the encoder's text.
    text_->setAccessibleName(tr("What the encoder said"));

    auto* copy = new MyButton(tr("Copy All"), this);
    auto* close = new MyButton(tr("Close"), this);
    copy->setMinimumSize(110, 30);
    close->setMinimumSize(110, 30);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text_->toPlainText()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    auto* where = new QLabel(logPath.isEmpty() ? tr("What the encoder said") : logPath);
    if (!logPath.isEmpty()) {
        // A deep log folder must not make the view wider than the screen: the whole path is in
        // the tooltip.
        where->setText(where->fontMetrics().elidedText(logPath, Qt::ElideMiddle, kPathWidth));
        where->setToolTip(logPath);
    }
    buttons->addWidget(where);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    // Its size as shown, so that it can be placed before it is shown.
    resize(QSize(720, 480).expandedTo(minimumSizeHint()));
}

void EncoderOutputView::keyPressEvent(QKeyEvent* event) {
    // Escape closes it, as it closes any window of its kind.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString EncoderOutputView::Text() const {
    return text_->toPlainText();
}

}  // namespace reelwright
