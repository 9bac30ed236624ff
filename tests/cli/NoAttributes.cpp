// Preloaded into the program, stands in for a folder that keeps no extended attributes, as
// NFSv3 and vfat.
#include <cerrno>
#include <sys/types.h>

extern "C" {

ssize_t fgetxattr(int, const char*, void*, size_t) {
    errno = ENOTSUP;
    return -1;
}

int fsetxattr(int, const char*, const void*, size_t, int) {
    errno = ENOTSUP;
    return -1;
}

}
