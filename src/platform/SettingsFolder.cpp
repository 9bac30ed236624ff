#include "platform/SettingsFolder.h"

#include "platform/AppInfo.h"
#include "platform/OverridablePath.h"

#include <QDir>
#include <QStandardPaths>

namespace reelwright {
namespace {

OverridablePath& Folder() {
    static OverridablePath folder([] {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QString::fromLatin1(kMakerName));
    });
    return folder;
}

}  // namespace

QString SettingsFolder::Path() {
    return Folder().Get();
}

void SettingsFolder::Override(const QString& folder) {
    Folder().Override(folder);
}

}  // namespace reelwright
