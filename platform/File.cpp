#include "platform/File.h"

#include "platform/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace halvane::platform {

namespace {
constexpr std::uint64_t kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
}

File::~File()
{
    Close();
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), position_(other.position_), path_(std::move(other.path_))
{
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        position_ = other.position_;
        path_ = std::move(other.path_);
    }
    return *this;
}

void File::Open(const std::string& path, Mode mode)
{
    Close();
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::CreateReadWrite: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw FileError(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw FileError(path, EISDIR);
    }
    fd_ = fd;
    position_ = 0;
    path_ = path;
}

void File::Close() noexcept
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    position_ = 0;
}

std::size_t File::ReadAt(std::uint64_t pos, void* dst, std::size_t n) const
{
    if (fd_ < 0)
        throw FileError(path_, EBADF);
    std::size_t done = 0;
    auto* out = static_cast<unsigned char*>(dst);
    while (done < n) {
        const std::uint64_t at = pos + done;
        if (at < pos || at >= kMaxOffset)
            break;  // beyond what the platform can address: reads as the end
        const ssize_t r = ::pread(fd_, out + done, n - done, static_cast<off_t>(at));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path_, errno);
        }
        if (r == 0)
            break;
        done += static_cast<std::size_t>(r);
    }
    return done;
}

std::size_t File::Read(void* dst, std::size_t n)
{
    const std::size_t got = ReadAt(position_, dst, n);
    position_ += got;
    return got;
}

void File::Write(const void* src, std::size_t n)
{
    if (fd_ < 0)
        throw FileError(path_, EBADF);
    std::size_t done = 0;
    const auto* in = static_cast<const unsigned char*>(src);
    while (done < n) {
        if (position_ + done >= kMaxOffset)
            throw FileError(path_, EFBIG);
        const ssize_t w = ::pwrite(fd_, in + done, n - done, static_cast<off_t>(position_ + done));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path_, errno);
        }
        done += static_cast<std::size_t>(w);
    }
    position_ += done;
}

std::uint64_t File::Seek(std::uint64_t pos)
{
    if (fd_ < 0)
        throw FileError(path_, EBADF);
    position_ = pos;
    return position_;
}

std::uint64_t File::Length() const
{
    if (fd_ < 0)
        throw FileError(path_, EBADF);
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw FileError(path_, errno);
    return static_cast<std::uint64_t>(st.st_size);
}

void File::Flush()
{
    if (fd_ >= 0 && ::fdatasync(fd_) != 0 && errno != EINVAL)
        throw FileError(path_, errno);
}

}  // namespace halvane::platform
