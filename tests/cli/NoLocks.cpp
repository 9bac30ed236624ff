// Preloaded into the program, stands in for a network folder that keeps no locks: flock says
// ENOLCK, as over NFS without a lock manager.
#include <cerrno>

extern "C" int flock(int, int) {
    errno = ENOLCK;
    return -1;
}
