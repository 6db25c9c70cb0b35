#include "platform/qt/SingleInstance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane::platform {

std::string SingleInstance::DefaultLockPath()
{
    return "/tmp/.halvane-{NELVARHALVANEHSH2912}.lock";
}

SingleInstance::SingleInstance(std::string lockPath)
{
    // Open an existing lock file without O_CREAT: in a sticky folder the
    // system refuses O_CREAT on another user's file.
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd_ < 0 && errno == ENOENT) {
        fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ >= 0)
            ::fchmod(fd_, 0666);
        else
            fd_ = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    }
    if (fd_ < 0)
        fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd_ >= 0)
        owner_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    else
        owner_ = true;  // no lock file can be had: do not refuse to start
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace halvane::platform
