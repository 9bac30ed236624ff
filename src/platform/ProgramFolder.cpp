#include "platform/ProgramFolder.h"

#include "platform/OverridablePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString ProgramFolder::DataFile(const QString& name) {
    QStringList candidates{File(name),
                           QDir(Path()).filePath(QStringLiteral("../share/reelwright/") + name)};
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        candidates << QDir(folder).filePath(QStringLiteral("reelwright/") + name);
    }
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return QDir::toNativeSeparators(QDir::cleanPath(candidate));
        }
    }
    return candidates.first();
}

QString ProgramFolder::File(const QString& name) {
    QString folder = Path();
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder + name;
}

}  // namespace reelwright
