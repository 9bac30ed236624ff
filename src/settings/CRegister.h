#pragma once

#include <QString>

#include <cstdint>

namespace reelwright {

// Reads, writes and deletes text values by root, key path and value name. It holds nothing
// between calls and never raises or reports: a read that fails gives the caller's default, a
// write or delete that fails gives false. On Linux each root is one INI file in the settings
// folder; on Windows it is the registry.
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

    // The file that holds a root's keys here.
    static QString RootFile(std::uint32_t regHKEY);

  private:
    // One leading and one trailing separator are dropped.
    static QString REGTrimSlashes(const QString& path);
};

}  // namespace reelwright
