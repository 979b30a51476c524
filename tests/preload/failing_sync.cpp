// Preloaded (LD_PRELOAD) into a test's child process to stand in for a file
// system that reports a write error only when the data is synced (a home
// folder on NFS, a failing disk): fsync and fdatasync fail with EIO for what
// KOBUSATO_FAIL_SYNC names, read at every call so that the child can move it:
//   files:<folder>     regular files below <folder>
//   folders:<folder>   <folder> itself and the folders below it
// Everything else syncs as usual.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool failsHere(int fd) {
    const char* rule = std::getenv("KOBUSATO_FAIL_SYNC");
    const char* colon = rule ? std::strchr(rule, ':') : nullptr;
    if (!colon)
        return false;
    const std::string kind(rule, colon), folder(colon + 1);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    const bool wanted =
        kind == "folders" ? S_ISDIR(st.st_mode) : kind == "files" && S_ISREG(st.st_mode);
    if (!wanted)
        return false;
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t n = ::readlink(link, path, sizeof path);
    if (n <= 0 || n == ssize_t(sizeof path))
        return false;
    // A file not yet linked into its folder reads as "<folder>/#<inode> (deleted)".
    const std::string at(path, size_t(n));
    return at == folder || at.starts_with(folder + "/");
}

using SyncFn = int (*)(int);
SyncFn next(const char* name) {
    return reinterpret_cast<SyncFn>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd) {
    static const SyncFn real = next("fsync");
    if (failsHere(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

extern "C" int fdatasync(int fd) {
    static const SyncFn real = next("fdatasync");
    if (failsHere(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}
