#pragma once

#include "settings/CRegister.h"

#include <QString>

#include <optional>

namespace reelwright::settings {

// All of the window's remembered choices live under this key.
inline constexpr std::uint32_t kRoot = CRegister::HKEY_LOCAL_MACHINE;
inline const QString kSection = QStringLiteral("Software\\Fennick Reelwright\\Settings");

// "True" or "False" as stored; anything else is not a truth value.
QString FromBool(bool value);
std::optional<bool> ToBool(const QString& text);

// A list position as stored: decimal, -1 for no selection, within 16 bits.
std::optional<int> ToListIndex(const QString& text);

}  // namespace reelwright::settings
