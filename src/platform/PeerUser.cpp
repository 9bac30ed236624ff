#include "platform/PeerUser.h"

#include <sys/socket.h>
#include <unistd.h>

namespace reelwright {

std::optional<uid_t> PeerUser(qintptr descriptor) {
    if (descriptor < 0) {
        return std::nullopt;
    }
#ifdef Q_OS_LINUX
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                     &length) != 0 ||
        length != sizeof credentials) {
        return std::nullopt;
    }
    return credentials.uid;
#else
    uid_t user = 0;
    gid_t group = 0;
    if (::getpeereid(static_cast<int>(descriptor), &user, &group) != 0) {
        return std::nullopt;
    }
    return user;
#endif
}

}  // namespace reelwright
