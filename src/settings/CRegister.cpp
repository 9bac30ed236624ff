#include "settings/CRegister.h"

#include "platform/SettingsFolder.h"
#include "platform/WholeFile.h"
#include "settings/IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::CRegister)
};

// Bigger than any settings file can honestly be: such a file is not read, only set aside.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

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

// A key path as the document addresses it; empty when a component is empty.
QString KeyPathOf(const QString& section) {
    const QStringList parts = section.split(u'\\');
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            return QString();
        }
    }
    return parts.join(u'/');
}

// "*" alone names the key's default value.
QString NameOf(const QString& sKey) {
    return sKey == u"*" ? QString() : sKey;
}

#ifdef Q_OS_WIN

QString SettingsKey(const QString& keyPath, const QString& name) {
    return keyPath + u'/' + (name.isEmpty() ? QStringLiteral(".") : name);
}

#else

// One root's file, read whole.
struct Root {
    QString file;    // the settings file
    QString target;  // what is read and written: the file, or the file a link names
    IniDocument document;
    bool exists = false;
};

bool ReadAll(const QString& path, QByteArray* bytes, bool* tooBig) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *tooBig = file.size() > kMaxFileSize;
    *bytes = *tooBig ? QByteArray() : file.readAll();
    return true;
}

bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QDir().mkpath(QFileInfo(path).path());
    // A file the user made read-only stays as it is.
    if (QFileInfo::exists(path) && !QFileInfo(path).isWritable()) {
        if (error) {
            //: Why the settings cannot be saved: %1 is their file.
            *error = Text::tr("%1 is read-only").arg(path);
        }
        return false;
    }
    QString why;
    if (!WriteWholeFile(path, bytes, &why)) {
        if (error) {
            //: Why the settings cannot be saved: %1 is their file, %2 the system's reason.
            *error = Text::tr("%1: %2").arg(path, why);
        }
        return false;
    }
    return true;
}

QString AsidePath(const QString& file) {
    return file + QStringLiteral(".damaged");
}

// Reading never changes a file; a root opened to be written first sets aside what is not
// settings, so the write that follows cannot lose it.
enum class Purpose { Read, Write };

Root OpenRoot(std::uint32_t rootKey, Purpose purpose = Purpose::Read) {
    Root root;
    root.file = CRegister::RootFile(rootKey);
    root.target = root.file;
    if (root.file.isEmpty()) {
        return root;
    }
    const bool writing = purpose == Purpose::Write;
    QByteArray bytes;
    bool tooBig = false;
    const QFileInfo info(root.file);
    if (info.isSymLink()) {
        // A link is followed only to a file that reads as settings (or is empty); one that
        // names anything else is set aside whole, and a file of our own takes its place.
        const QString target = info.symLinkTarget();
        const bool readable = ReadAll(target, &bytes, &tooBig);
        IniDocument document = IniDocument::Parse(bytes);
        if (tooBig || document.Damaged() || (!readable && QFileInfo::exists(target))) {
            if (writing) {
                QFile::remove(AsidePath(root.file));
                QFile::rename(root.file, AsidePath(root.file));
            }
            return root;
        }
        root.target = target;
        root.document = std::move(document);
        root.exists = readable;
        return root;
    }
    root.exists = ReadAll(root.file, &bytes, &tooBig);
    if (tooBig) {
        // Larger than any settings file can honestly be: not read at all.
        if (writing) {
            QFile::remove(AsidePath(root.file));
            QFile::rename(root.file, AsidePath(root.file));
        }
        root.exists = false;
        return root;
    }
    root.document = IniDocument::Parse(bytes);
    if (writing && root.document.Damaged()) {
        // What cannot be read is kept aside for the user; what can is written back.
        WriteWhole(AsidePath(root.file), bytes, nullptr);
    }
    return root;
}

bool Store(Root& root, QString* error) {
    return WriteWhole(root.target, root.document.Serialize(), error);
}

#endif

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

#ifndef Q_OS_WIN

QString CRegister::REGGetSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey, const QString& sDefault) const {
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    if (keyPath.isEmpty() || RootName(regHKEY).isEmpty()) {
        return sDefault;
    }
    const Root root = OpenRoot(regHKEY);
    const std::optional<QString> value = root.document.Value(keyPath, NameOf(sKey));
    // An empty value counts as absent.
    return value && !value->isEmpty() ? *value : sDefault;
}

std::map<QString, QString> CRegister::REGGetSettings(std::uint32_t regHKEY,
                                                     const QString& sSection) const {
    std::map<QString, QString> values;
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    if (keyPath.isEmpty() || RootName(regHKEY).isEmpty()) {
        return values;
    }
    const Root root = OpenRoot(regHKEY);
    for (const auto& [name, value] : root.document.Values(keyPath)) {
        if (!value.isEmpty()) {
            values[name] = value;
        }
    }
    return values;
}

bool CRegister::REGSaveSettings(std::uint32_t regHKEY, const QString& sSection,
                                const QList<QPair<QString, QString>>& values,
                                QString* error) const {
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    if (keyPath.isEmpty() || RootName(regHKEY).isEmpty()) {
        return false;
    }
    Root root = OpenRoot(regHKEY, Purpose::Write);
    for (const auto& [name, value] : values) {
        root.document.SetValue(keyPath, NameOf(name), value);
    }
    return Store(root, error);
}

bool CRegister::REGDeleteSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey) const {
    Root root = OpenRoot(regHKEY, Purpose::Write);
    if (!root.exists) {
        return false;
    }
    if (!sKey.isEmpty()) {
        const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
        if (keyPath.isEmpty() || !root.document.RemoveValue(keyPath, NameOf(sKey))) {
            return false;
        }
        return Store(root, nullptr);
    }
    // The key itself, by its path as given, and only when it has no sub-keys.
    const QString keyPath = KeyPathOf(sSection);
    if (keyPath.isEmpty() || !root.document.KeyExists(keyPath) ||
        root.document.HasSubKeys(keyPath)) {
        return false;
    }
    root.document.RemoveKey(keyPath);
    return Store(root, nullptr);
}

#else

// The registry keeps each value on its own; Qt's native settings reach it.
QString CRegister::REGGetSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey, const QString& sDefault) const {
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    const QString rootName = RootName(regHKEY);
    if (keyPath.isEmpty() || rootName.isEmpty()) {
        return sDefault;
    }
    QSettings settings(rootName, QSettings::NativeFormat);
    const QString text = settings.value(SettingsKey(keyPath, NameOf(sKey))).toString();
    return text.isEmpty() ? sDefault : text;
}

std::map<QString, QString> CRegister::REGGetSettings(std::uint32_t regHKEY,
                                                     const QString& sSection) const {
    std::map<QString, QString> values;
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    const QString rootName = RootName(regHKEY);
    if (keyPath.isEmpty() || rootName.isEmpty()) {
        return values;
    }
    QSettings settings(rootName, QSettings::NativeFormat);
    settings.beginGroup(keyPath);
    for (const QString& name : settings.childKeys()) {
        const QString text = settings.value(name).toString();
        if (!text.isEmpty()) {
            values[name] = text;
        }
    }
    return values;
}

bool CRegister::REGSaveSettings(std::uint32_t regHKEY, const QString& sSection,
                                const QList<QPair<QString, QString>>& values,
                                QString* error) const {
    const QString keyPath = KeyPathOf(REGTrimSlashes(sSection));
    const QString rootName = RootName(regHKEY);
    if (keyPath.isEmpty() || rootName.isEmpty()) {
        return false;
    }
    QSettings settings(rootName, QSettings::NativeFormat);
    for (const auto& [name, value] : values) {
        settings.setValue(SettingsKey(keyPath, NameOf(name)), value);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError && error) {
        *error = Text::tr("the registry refused the values");
    }
    return settings.status() == QSettings::NoError;
}

bool CRegister::REGDeleteSetting(std::uint32_t regHKEY, const QString& sSection,
                                 const QString& sKey) const {
    const QString rootName = RootName(regHKEY);
    QSettings settings(rootName, QSettings::NativeFormat);
    const QString keyPath =
        KeyPathOf(sKey.isEmpty() ? sSection : REGTrimSlashes(sSection));
    if (rootName.isEmpty() || keyPath.isEmpty()) {
        return false;
    }
    if (!sKey.isEmpty()) {
        const QString key = SettingsKey(keyPath, NameOf(sKey));
        if (!settings.contains(key)) {
            return false;
        }
        settings.remove(key);
    } else {
        settings.beginGroup(keyPath);
        const bool deletable = !settings.childKeys().isEmpty() && settings.childGroups().isEmpty();
        settings.endGroup();
        if (!deletable) {
            return false;
        }
        settings.remove(keyPath);
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

#endif

bool CRegister::REGSaveSetting(std::uint32_t regHKEY, const QString& sSection, const QString& sKey,
                               const QString& sValue) const {
    return REGSaveSettings(regHKEY, sSection, {{sKey, sValue}});
}

}  // namespace reelwright
