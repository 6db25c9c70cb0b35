#include "platform/TempPaths.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane::platform {

namespace {

// Creates `dir` (mode 0700) if missing and checks that it is safe to use.
void EnsurePrivateFolder(const std::string& dir)
{
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw FileError(dir, errno);
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0)
        throw FileError(dir, errno);
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode))
        throw FileError(dir, ENOTDIR);
    if (st.st_uid != ::geteuid())
        throw FileError(dir, EPERM);
    if ((st.st_mode & 077) != 0 && ::chmod(dir.c_str(), 0700) != 0)
        throw FileError(dir, errno);
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

}  // namespace

std::string UserTempFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        struct stat st {};
        const std::string base = WithoutTrailingSlash(runtime);
        if (::lstat(base.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()) {
            const std::string dir = base + "/halvane";
            EnsurePrivateFolder(dir);
            return dir + "/";
        }
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = WithoutTrailingSlash(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp");
    const std::string dir = base + "/halvane-" + std::to_string(::geteuid());
    EnsurePrivateFolder(dir);
    return dir + "/";
}

}  // namespace halvane::platform
