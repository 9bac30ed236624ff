#include "platform/SettingsFolder.h"

#include "platform/AppInfo.h"

#include <QDir>
#include <QStandardPaths>

namespace reelwright {
namespace {

QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString SettingsFolder::Path() {
    if (!OverriddenFolder().isEmpty()) {
        return OverriddenFolder();
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QString::fromLatin1(kMakerName));
}

void SettingsFolder::Override(const QString& folder) { OverriddenFolder() = folder; }

}  // namespace reelwright
