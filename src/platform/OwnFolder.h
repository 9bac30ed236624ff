#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// Why `path` is not a folder of this user's alone (a real folder, not a link, owned by the user,
// mode 0700); empty when it is. A link is never followed: another user may have planted it.
QString WhyNotOwnFolder(const QString& path);

// `path` made with mode 0700 when missing, then checked as above: what was there already is
// used only when it is ours alone. Empty when it may be used, else why not.
QString WhyNotMadeOwnFolder(const QString& path);

// A folder no other user can reach, for what they must not read or replace: $XDG_RUNTIME_DIR
// when it is the user's own (a `su` keeps another user's), else "reelwright-<uid>" in the
// temporary folder, made when missing. None when that one is not ours alone; `why` says why.
std::optional<QString> OwnRuntimeFolder(QString* why = nullptr);

}  // namespace reelwright
