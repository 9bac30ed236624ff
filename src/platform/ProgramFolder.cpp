#include "platform/ProgramFolder.h"

#include "platform/OverridablePath.h"

#include <QCoreApplication>
#include <QDir>

namespace reelwright {
namespace {

OverridablePath& Folder() {
    static OverridablePath folder(
        [] { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); });
    return folder;
}

}  // namespace

QString ProgramFolder::Path() {
    return Folder().Get();
}

void ProgramFolder::Override(const QString& folder) {
    Folder().Override(folder);
}

QString ProgramFolder::File(const QString& name) {
    QString folder = Path();
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder + name;
}

}  // namespace reelwright
