// The 2274-byte record of one file found by a scan. Its layout is a file
// format (record stores and snapshots hold it byte for byte), so the record
// is kept as its raw bytes and every field is read and written through
// little-endian accessors.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace halvane::reader {

class CatalogFile {
public:
    static constexpr std::size_t kSize = 2274;
    static constexpr std::size_t kPathOffset = 0;
    static constexpr std::size_t kPathUnits = 1024;  // zero-terminated, so at most 1023 units of text
    static constexpr std::size_t kPositionLowOffset = 2048;
    static constexpr std::size_t kPositionHighOffset = 2052;
    static constexpr std::size_t kReservedOffset = 2056;
    static constexpr std::size_t kDataLengthOffset = 2060;
    static constexpr std::size_t kText1Offset = 2064;
    static constexpr std::size_t kText2Offset = 2164;
    static constexpr std::size_t kTextUnits = 50;

    CatalogFile() = default;
    // A record from its stored bytes; a shorter span leaves the rest zero.
    static CatalogFile FromBytes(std::span<const std::uint8_t> bytes);

    [[nodiscard]] std::span<const std::uint8_t, kSize> Bytes() const { return bytes_; }
    [[nodiscard]] std::span<std::uint8_t, kSize> MutableBytes() { return bytes_; }

    // The path up to its terminating zero (or all 1024 units when there is none).
    [[nodiscard]] std::u16string Path() const;
    // Writes the path, cut to 1023 units, and zero-fills the rest of the field.
    void SetPath(std::u16string_view path);

    [[nodiscard]] std::uint64_t BlockPosition() const;
    void SetBlockPosition(std::uint64_t position);

    // The low 32 bits of the data length, as stored.
    [[nodiscard]] std::uint32_t DataLength() const;
    // The same field read as the lists show it: a signed decimal.
    [[nodiscard]] std::int32_t SizeField() const { return static_cast<std::int32_t>(DataLength()); }
    void SetDataLength(std::uint32_t lowBits);

    friend bool operator==(const CatalogFile&, const CatalogFile&) = default;

private:
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace halvane::reader
