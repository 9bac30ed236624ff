#pragma once

#include <QtGlobal>

#include <optional>

#include <sys/types.h>

namespace reelwright {

// The user of the program at the other end of a local socket (its descriptor), as the system
// saw it when the connection was made; none when that cannot be told.
std::optional<uid_t> PeerUser(qintptr descriptor);

}  // namespace reelwright
