#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace reelwright {

// The file and folder pickers. Tests install scripted answers; without an installed one every
// dialog answers as if cancelled, so nothing can block.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The chosen files as full paths; empty when cancelled. `filter` uses Qt's ";;" form.
    virtual QStringList OpenFiles(QWidget* owner, const QString& title, const QString& filter,
                                  bool multiSelect) = 0;
    // The chosen folder; empty when cancelled.
    virtual QString BrowseForFolder(QWidget* owner, const QString& title) = 0;
    // The category (one of `categories` or a new one) and the name a format is saved under as
    // a preset of one's own; false when cancelled.
    virtual bool AskPresetName(QWidget* owner, const QStringList& categories, QString* category,
                               QString* label) = 0;
    // Whether the user goes on with what `question` asks (No is the default); false when
    // cancelled.
    virtual bool Confirm(QWidget* owner, const QString& title, const QString& question) = 0;

    static Dialogs& Current();
    static Dialogs* Install(Dialogs* dialogs);
};

// The real pickers, QFileDialog.
class FileDialogs final : public Dialogs {
  public:
    QStringList OpenFiles(QWidget* owner, const QString& title, const QString& filter,
                          bool multiSelect) override;
    QString BrowseForFolder(QWidget* owner, const QString& title) override;
    bool AskPresetName(QWidget* owner, const QStringList& categories, QString* category,
                       QString* label) override;
    bool Confirm(QWidget* owner, const QString& title, const QString& question) override;
};

}  // namespace reelwright
