#include "platform/Dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace reelwright {
namespace {

class CancellingDialogs final : public Dialogs {
  public:
    QStringList OpenFiles(QWidget*, const QString&, const QString&, bool) override { return {}; }
    QString BrowseForFolder(QWidget*, const QString&) override { return {}; }
    bool AskPresetName(QWidget*, const QStringList&, QString*, QString*) override { return false; }
    bool Confirm(QWidget*, const QString&, const QString&) override { return false; }
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

bool FileDialogs::Confirm(QWidget* owner, const QString& title, const QString& question) {
    return QMessageBox::question(owner, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool FileDialogs::AskPresetName(QWidget* owner, const QStringList& categories, QString* category,
                                QString* label) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("reelwright::Dialogs", "Save as Preset"));
    auto* form = new QFormLayout(&dialog);
    auto* categoryList = new QComboBox;
    categoryList->setEditable(true);
    categoryList->addItems(categories);
    categoryList->setCurrentText(*category);
    categoryList->setAccessibleName(QCoreApplication::translate("reelwright::Dialogs", "Category"));
    auto* name = new QLineEdit(*label);
    name->setAccessibleName(QCoreApplication::translate("reelwright::Dialogs", "Preset name"));
    form->addRow(QCoreApplication::translate("reelwright::Dialogs", "Category:"), categoryList);
    form->addRow(QCoreApplication::translate("reelwright::Dialogs", "Preset name:"), name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    name->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    *category = categoryList->currentText();
    *label = name->text();
    return true;
}

}  // namespace reelwright
