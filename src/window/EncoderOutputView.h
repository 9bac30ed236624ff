#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace reelwright {

// A read-only view of one conversion's text, from its log (or, without one, the lines the row
// kept), to read and to copy. A window of its own, not a modal box.
class EncoderOutputView : public QWidget {
    Q_OBJECT

  public:
    // The end of a log this long is shown; the file holds the rest.
    static constexpr qint64 kShownBytes = 4 * 1024 * 1024;
    // The most the log's path takes beside the buttons, in pixels.
    static constexpr int kPathWidth = 420;

    EncoderOutputView(const QString& fileName, const QString& logPath, const QString& tail,
                      QWidget* parent = nullptr);
    QString Text() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPlainTextEdit* text_;
};

}  // namespace reelwright
