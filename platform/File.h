// A file object with 64-bit positions over POSIX descriptors.
//
// Contract: every failing open, read, write, seek or length query raises
// FileError with the system's text. Reads at or past the end return fewer
// bytes (0 past the end) and are not errors. The position is the object's
// own 64-bit counter, so a seek past the end always succeeds, as it does on
// the platform the formats come from. Not thread-safe; one owner at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace halvane::platform {

class File {
public:
    enum class Mode {
        Read,            // existing file, read only
        CreateReadWrite, // created or truncated, read and write
        ReadWrite,       // existing file, read and write
    };

    File() = default;
    File(const std::string& path, Mode mode) { Open(path, mode); }
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    void Open(const std::string& path, Mode mode);
    void Close() noexcept;
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    [[nodiscard]] const std::string& Path() const { return path_; }

    // Reads up to n bytes at the current position and advances it.
    [[nodiscard]] std::size_t Read(void* dst, std::size_t n);
    // Reads up to n bytes at pos; the current position does not move.
    [[nodiscard]] std::size_t ReadAt(std::uint64_t pos, void* dst, std::size_t n) const;
    // Writes all n bytes at the current position and advances it.
    void Write(const void* src, std::size_t n);
    // Sets the position and returns it.
    std::uint64_t Seek(std::uint64_t pos);
    [[nodiscard]] std::uint64_t Position() const { return position_; }
    [[nodiscard]] std::uint64_t Length() const;
    void Flush();
    // The descriptor, for the copy helpers; -1 when closed.
    [[nodiscard]] int NativeHandle() const { return fd_; }

private:
    int fd_ = -1;
    std::uint64_t position_ = 0;
    std::string path_;
};

}  // namespace halvane::platform
