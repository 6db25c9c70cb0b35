#include "reader/ScanBuffer.h"

#include <algorithm>
#include <cstring>

namespace halvane::reader {

ScanBuffer::ScanBuffer(const platform::File& file, std::uint64_t length)
    : file_(file), length_(length)
{
}

void ScanBuffer::Fill(std::uint64_t pos, std::size_t len, bool readAhead)
{
    // Growing only while the search reads follow each other keeps jumps
    // cheap; a block read for a decoder reads just that block.
    std::size_t want = len;
    if (readAhead) {
        const bool sequential = filled_ != 0 && pos >= start_ && pos <= start_ + filled_;
        chunk_ = sequential ? std::min(chunk_ * 4, kMaxChunk) : kMinChunk;
        want = std::max(len, chunk_);
    }
    if (buffer_.size() < want + kPadding)
        buffer_.resize(want + kPadding);
    std::size_t got = 0;
    if (pos < length_) {
        const std::size_t inFile = static_cast<std::size_t>(std::min<std::uint64_t>(want, length_ - pos));
        got = file_.ReadAt(pos, buffer_.data(), inFile);
    }
    bytesRead_ += got;
    std::memset(buffer_.data() + got, 0, buffer_.size() - got);
    start_ = pos;
    filled_ = want;
}

std::span<const std::uint8_t> ScanBuffer::ViewAhead(std::uint64_t pos, std::size_t len, std::size_t max)
{
    if (filled_ == 0 || pos < start_ || pos - start_ + len > filled_)
        Fill(pos, len, max > len);
    const std::size_t offset = static_cast<std::size_t>(pos - start_);
    return {buffer_.data() + offset, std::min(filled_ - offset, std::max(len, max))};
}

std::span<const std::uint8_t> ScanBuffer::View(std::uint64_t pos, std::size_t len)
{
    return ViewAhead(pos, len, len).first(len);
}

FileByteSource::FileByteSource(const platform::File& file) : file_(file), length_(file.Length()) {}

std::span<const std::uint8_t> FileByteSource::View(std::uint64_t pos, std::size_t len)
{
    scratch_.assign(len, 0);
    if (pos < length_)
        (void)file_.ReadAt(pos, scratch_.data(), static_cast<std::size_t>(std::min<std::uint64_t>(len, length_ - pos)));
    return scratch_;
}

}  // namespace halvane::reader
