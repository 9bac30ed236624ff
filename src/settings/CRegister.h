#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>
#include <map>

namespace reelwright {

// Reads, writes and deletes text values by root, key path and value name. It holds nothing
// between calls and never raises or reports: a read that fails gives the caller's default, a
// write or delete that fails gives false. On Linux each root is one INI file in the settings
// folder, written whole to a new file that then replaces the old; on Windows it is the registry.
class CRegister {
  public:
    static constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000;
    static constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001;
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;
    static constexpr std::uint32_t HKEY_USERS = 0x80000003;
    static constexpr std::uint32_t HKEY_CURRENT_CONFIG = 0x80000005;

    // Deletes one value, or with an empty `sKey` the key `sSection` itself when it has no
    // sub-keys ("*" names the key's default value).
    bool REGDeleteSetting(std::uint32_t regHKEY, const QString& sSection,
                          const QString& sKey) const;
    // The stored text; `sDefault` when it cannot be read or is empty.
    QString REGGetSetting(std::uint32_t regHKEY, const QString& sSection, const QString& sKey,
                          const QString& sDefault) const;
    // Stores a text, creating the key path as needed.
    bool REGSaveSetting(std::uint32_t regHKEY, const QString& sSection, const QString& sKey,
                        const QString& sValue) const;

    // Every non-empty value of a key, read at once.
    std::map<QString, QString> REGGetSettings(std::uint32_t regHKEY,
                                              const QString& sSection) const;
    // Stores many texts with one replacement of the file, so a crash leaves either all of them
    // or none. `error` says why, when it fails.
    bool REGSaveSettings(std::uint32_t regHKEY, const QString& sSection,
                         const QList<QPair<QString, QString>>& values,
                         QString* error = nullptr) const;

    // The file that holds a root's keys here.
    static QString RootFile(std::uint32_t regHKEY);

  private:
    // One leading and one trailing separator are dropped.
    static QString REGTrimSlashes(const QString& path);
};

}  // namespace reelwright
