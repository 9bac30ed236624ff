#include "platform/Dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace reelwright {
namespace {

class CancellingDialogs final : public Dialogs {
  public:
    QStringList OpenFiles(QWidget*, const QString&, const QString&, bool) override { return {}; }
    QString BrowseForFolder(QWidget*, const QString&) override { return {}; }
};

CancellingDialogs g_cancelling;
Dialogs* g_dialogs = nullptr;

}  // namespace

Dialogs& Dialogs::Current() {
    return g_dialogs ? *g_dialogs : g_cancelling;
}

Dialogs* Dialogs::Install(Dialogs* dialogs) {
    Dialogs* previous = g_dialogs;
    g_dialogs = dialogs;
    return previous;
}

QStringList FileDialogs::OpenFiles(QWidget* owner, const QString& title, const QString& filter,
                                   bool multiSelect) {
    QStringList files;
    if (multiSelect) {
        files = QFileDialog::getOpenFileNames(owner, title, QString(), filter);
    } else {
        const QString file = QFileDialog::getOpenFileName(owner, title, QString(), filter);
        if (!file.isEmpty()) {
            files << file;
        }
    }
    for (QString& file : files) {
        file = QDir::toNativeSeparators(file);
    }
    return files;
}

QString FileDialogs::BrowseForFolder(QWidget* owner, const QString& title) {
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(owner, title));
}

}  // namespace reelwright
