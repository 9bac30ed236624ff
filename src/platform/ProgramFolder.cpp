#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace reelwright {
namespace {

QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder::Path() {
    if (!OverriddenFolder().isEmpty()) {
        return OverriddenFolder();
    }
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void ProgramFolder::Override(const QString& folder) {
    OverriddenFolder() = folder;
}

QString ProgramFolder::File(const QString& name) {
    QString folder = Path();
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder + name;
}

}  // namespace reelwright
