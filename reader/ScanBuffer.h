// The scanner's read buffer over the backup file.
//
// Reads large blocks so that the scan is not a stream of small reads and
// seeks, but starts small after every jump: a scan that skips file data
// resumes near the next block header and should read only a few KiB there.
// Consecutive refills grow the block up to kMaxChunk. The buffer keeps
// kPadding zero bytes after its data, so vector loads may read past the end
// of a view without leaving the allocation.
#pragma once

#include "platform/File.h"
#include "reader/ByteSource.h"

#include <vector>

namespace halvane::reader {

class ScanBuffer final : public ByteSource {
public:
    // The largest block stays within a core's L2 cache: the search reads
    // every byte right after the copy from the page cache.
    static constexpr std::size_t kMinChunk = 2048;
    static constexpr std::size_t kMaxChunk = 128 << 10;
    static constexpr std::size_t kPadding = 128;

    // The file must stay open while the buffer is used.
    ScanBuffer(const platform::File& file, std::uint64_t length);

    [[nodiscard]] std::span<const std::uint8_t> View(std::uint64_t pos, std::size_t len) override;
    [[nodiscard]] std::uint64_t Length() const override { return length_; }

    // A view of at least len bytes from pos that may reach further, as far as
    // the current read-ahead goes; at most max bytes.
    [[nodiscard]] std::span<const std::uint8_t> ViewAhead(std::uint64_t pos, std::size_t len, std::size_t max);

    [[nodiscard]] std::uint64_t BytesRead() const { return bytesRead_; }

private:
    // Reads len bytes from pos; a read-ahead fill reads a growing block.
    void Fill(std::uint64_t pos, std::size_t len, bool readAhead);

    const platform::File& file_;
    std::uint64_t length_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t start_ = 0;   // file position of buffer_[0]
    std::size_t filled_ = 0;    // bytes of buffer_ that stand for the file (zero past its end)
    std::size_t chunk_ = kMinChunk;
    std::uint64_t bytesRead_ = 0;
};

// Reads straight from the file for every view; for callers that touch a few
// blocks only (extraction, tests).
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const platform::File& file);
    [[nodiscard]] std::span<const std::uint8_t> View(std::uint64_t pos, std::size_t len) override;
    [[nodiscard]] std::uint64_t Length() const override { return length_; }

private:
    const platform::File& file_;
    std::uint64_t length_;
    std::vector<std::uint8_t> scratch_;
};

}  // namespace halvane::reader
