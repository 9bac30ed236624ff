#include "settings/CRegister.h"

#include "platform/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace reelwright {
namespace {

QString RootName(std::uint32_t root) {
    switch (root) {
        case CRegister::HKEY_CLASSES_ROOT:
            return QStringLiteral("HKEY_CLASSES_ROOT");
        case CRegister::HKEY_CURRENT_USER:
            return QStringLiteral("HKEY_CURRENT_USER");
        case CRegister::HKEY_LOCAL_MACHINE:
            return QStringLiteral("HKEY_LOCAL_MACHINE");
        case CRegister::HKEY_USERS:
            return QStringLiteral("HKEY_USERS");
        case CRegister::HKEY_CURRENT_CONFIG:
            return QStringLiteral("HKEY_CURRENT_CONFIG");
        default:
            return QString();
    }
}

// A key path as a settings group; empty when a component is empty.
QString GroupOf(const QString& section) {
    const QStringList parts = section.split(u'\\');
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            return QString();
        }
    }
    return parts.join(u'/');
}

// A value name as a settings key: the separators a settings key would split at are escaped.
QString ValueKey(const QString& name) {
    if (name == u"*") {
#ifdef Q_OS_WIN
        return QStringLiteral(".");  // the registry key's unnamed value
#else
        return QStringLiteral("(Default)");
#endif
    }
    QString key = name;
    key.replace(u'%', QStringLiteral("%25"));
    key.replace(u'/', QStringLiteral("%2F"));
    key.replace(u'\\', QStringLiteral("%5C"));
    return key;
}

struct Root {
    std::unique_ptr<QSettings> settings;
    bool exists = false;
};

#ifdef Q_OS_WIN
Root OpenRoot(std::uint32_t root) {
    const QString name = RootName(root);
    if (name.isEmpty()) {
        return {};
    }
    return {std::make_unique<QSettings>(name, QSettings::NativeFormat), true};
}
#else
// A file that does not parse is kept aside for the user, and the root begins afresh, so every
// value falls back to its default and the next save writes a good file. It must happen at the
// first opening: later ones are answered from Qt's cache of the parsed file without the error.
void SetAside(const QString& file) {
    const QString aside = file + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(file, aside);
}

Root OpenRoot(std::uint32_t root) {
    const QString file = CRegister::RootFile(root);
    if (file.isEmpty()) {
        return {};
    }
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings->status() == QSettings::FormatError) {
        settings.reset();
        SetAside(file);
        settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
    return {std::move(settings), QFileInfo::exists(file)};
}
#endif

bool Usable(const Root& root) {
    return root.settings && root.exists && root.settings->status() == QSettings::NoError;
}

bool Writable(const Root& root) {
    return Usable(root) && root.settings->isWritable();
}

bool Synced(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool KeyExists(QSettings& settings, const QString& group) {
    const QString prefix = group + u'/';
    for (const QString& key : settings.allKeys()) {
        if (key.startsWith(prefix)) {
            return true;
        }
    }
    return false;
}

bool HasSubKeys(QSettings& settings, const QString& group) {
    const QString prefix = group + u'/';
    for (const QString& key : settings.allKeys()) {
        if (key.startsWith(prefix) && key.indexOf(u'/', prefix.size()) >= 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString CRegister::RootFile(std::uint32_t regHKEY) {
    const QString name = RootName(regHKEY);
    return name.isEmpty() ? QString()
                          : QDir(SettingsFolder::Path()).filePath(name + QStringLiteral(".ini"));
}

QString CRegister::REGTrimSlashes(const QString& path) {
    QString trimmed = path;
    if (trimmed.startsWith(u'\\')) {
        trimmed.remove(0, 1);
    }
    if (trimmed.endsWith(u'\\')) {
        trimmed.chop(1);
    }
    return trimmed;
}

QString CRegister::REGGetSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey, const QString& sDefault) const {
    const QString group = GroupOf(REGTrimSlashes(sSection));
    Root root = OpenRoot(regHKEY);
    if (group.isEmpty() || !Usable(root)) {
        return sDefault;
    }
    const QVariant value = root.settings->value(group + u'/' + ValueKey(sKey));
    // A value written by hand with commas reads as a list; it is still one text.
    const QString text = value.userType() == QMetaType::QStringList
                             ? value.toStringList().join(QStringLiteral(", "))
                             : value.toString();
    return text.isEmpty() ? sDefault : text;
}

bool CRegister::REGSaveSetting(std::uint32_t regHKEY, const QString& sSection, const QString& sKey,
                               const QString& sValue) const {
    const QString group = GroupOf(REGTrimSlashes(sSection));
    if (group.isEmpty() || RootName(regHKEY).isEmpty()) {
        return false;
    }
#ifndef Q_OS_WIN
    QDir().mkpath(SettingsFolder::Path());
#endif
    Root root = OpenRoot(regHKEY);
    if (!root.settings->isWritable()) {
        return false;
    }
    // Written whole to a new file that then replaces the old, so no half-written file is left.
    root.settings->setValue(group + u'/' + ValueKey(sKey), sValue);
    return Synced(*root.settings);
}

bool CRegister::REGDeleteSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey) const {
    Root root = OpenRoot(regHKEY);
    if (!Writable(root)) {
        return false;
    }
    QSettings& settings = *root.settings;
    if (!sKey.isEmpty()) {
        const QString group = GroupOf(REGTrimSlashes(sSection));
        const QString key = group + u'/' + ValueKey(sKey);
        if (group.isEmpty() || !settings.contains(key)) {
            return false;
        }
        settings.remove(key);
        return Synced(settings);
    }
    // The key itself, by its path as given, and only when it has no sub-keys.
    const QString group = GroupOf(sSection);
    if (group.isEmpty() || !KeyExists(settings, group) || HasSubKeys(settings, group)) {
        return false;
    }
    settings.remove(group);
    return Synced(settings);
}

}  // namespace reelwright
