#include "platform/SettingsFolder.h"

#include "platform/AppInfo.h"
#include "platform/UserFolders.h"
#include "platform/OverridablePath.h"

#include <QDir>

namespace reelwright {
namespace {

OverridablePath& Folder() {
    static OverridablePath folder([] {
        // As the desktop's rules say: $XDG_CONFIG_HOME, else ~/.config, with a home that is real.
        QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (!QDir::isAbsolutePath(base)) {
            base = QDir(HomeFolder()).filePath(QStringLiteral(".config"));
        }
        return QDir(base).filePath(QString::fromLatin1(kMakerName));
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
