#include "platform/FileCopy.h"

#include "platform/FileError.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <unistd.h>

namespace halvane::platform {

namespace {

std::size_t CopyThroughBuffer(const File& from, std::uint64_t fromPos, File& to, std::size_t n,
                              std::vector<std::uint8_t>& scratch)
{
    if (scratch.size() < n)
        scratch.resize(n);
    const std::size_t got = from.ReadAt(fromPos, scratch.data(), n);
    to.Write(scratch.data(), got);
    return got;
}

}  // namespace

std::size_t CopyFileRange(const File& from, std::uint64_t fromPos, File& to, std::size_t n,
                          std::vector<std::uint8_t>& scratch)
{
    constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    if (n == 0 || fromPos >= kMaxOffset)
        return 0;
    std::size_t done = 0;
    while (done < n) {
        off_t in = static_cast<off_t>(fromPos + done);
        off_t out = static_cast<off_t>(to.Position());
        const ssize_t r = ::copy_file_range(from.NativeHandle(), &in, to.NativeHandle(), &out, n - done, 0);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF ||
                errno == EPERM)
                return done + CopyThroughBuffer(from, fromPos + done, to, n - done, scratch);
            throw FileError(errno == EIO ? from.Path() : to.Path(), errno);
        }
        if (r == 0)
            break;
        done += static_cast<std::size_t>(r);
        to.Seek(to.Position() + static_cast<std::uint64_t>(r));
    }
    return done;
}

}  // namespace halvane::platform
