// Little-endian loads and stores. Every field of the formats read here is
// little-endian; nothing is ever read by casting a struct over a buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace halvane::reader {

inline std::uint16_t load_le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t load_le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint64_t load_le64(const std::uint8_t* p)
{
    return static_cast<std::uint64_t>(load_le32(p)) | (static_cast<std::uint64_t>(load_le32(p + 4)) << 32);
}

inline void store_le16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void store_le32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void store_le64(std::uint8_t* p, std::uint64_t v)
{
    store_le32(p, static_cast<std::uint32_t>(v));
    store_le32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

// Bounds-checked forms over a span: a field that does not lie wholly inside
// the span reads as zero, which is what bytes past the end of a backup read as.
inline std::uint8_t byte_at(std::span<const std::uint8_t> s, std::size_t off)
{
    return off < s.size() ? s[off] : 0;
}

inline std::uint16_t le16_at(std::span<const std::uint8_t> s, std::size_t off)
{
    return off + 2 <= s.size() ? load_le16(s.data() + off) : 0;
}

inline std::uint32_t le32_at(std::span<const std::uint8_t> s, std::size_t off)
{
    return off + 4 <= s.size() ? load_le32(s.data() + off) : 0;
}

inline std::uint64_t le64_at(std::span<const std::uint8_t> s, std::size_t off)
{
    return off + 8 <= s.size() ? load_le64(s.data() + off) : 0;
}

}  // namespace halvane::reader
