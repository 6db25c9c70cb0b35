// Random access to the backup file's bytes as the decoders see them: every
// byte is the file's byte at that position, and bytes past the end read as
// zero. Views stay valid until the next call on the same source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace halvane::reader {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Exactly len bytes from pos, zero past the end of the file.
    [[nodiscard]] virtual std::span<const std::uint8_t> View(std::uint64_t pos, std::size_t len) = 0;
    [[nodiscard]] virtual std::uint64_t Length() const = 0;
};

}  // namespace halvane::reader
