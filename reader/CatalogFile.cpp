#include "reader/CatalogFile.h"

#include "reader/ByteOrder.h"

#include <algorithm>

namespace halvane::reader {

CatalogFile CatalogFile::FromBytes(std::span<const std::uint8_t> bytes)
{
    CatalogFile record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), record.bytes_.begin());
    return record;
}

std::u16string CatalogFile::Path() const
{
    std::u16string path;
    for (std::size_t i = 0; i < kPathUnits; ++i) {
        const char16_t unit = load_le16(bytes_.data() + kPathOffset + 2 * i);
        if (unit == 0)
            break;
        path.push_back(unit);
    }
    return path;
}

void CatalogFile::SetPath(std::u16string_view path)
{
    const std::size_t units = std::min(path.size(), kPathUnits - 1);
    std::fill_n(bytes_.begin() + kPathOffset, 2 * kPathUnits, std::uint8_t{0});
    for (std::size_t i = 0; i < units; ++i)
        store_le16(bytes_.data() + kPathOffset + 2 * i, path[i]);
}

std::uint64_t CatalogFile::BlockPosition() const
{
    return static_cast<std::uint64_t>(load_le32(bytes_.data() + kPositionLowOffset)) |
           (static_cast<std::uint64_t>(load_le32(bytes_.data() + kPositionHighOffset)) << 32);
}

void CatalogFile::SetBlockPosition(std::uint64_t position)
{
    store_le32(bytes_.data() + kPositionLowOffset, static_cast<std::uint32_t>(position));
    store_le32(bytes_.data() + kPositionHighOffset, static_cast<std::uint32_t>(position >> 32));
}

std::uint32_t CatalogFile::DataLength() const
{
    return load_le32(bytes_.data() + kDataLengthOffset);
}

void CatalogFile::SetDataLength(std::uint32_t lowBits)
{
    store_le32(bytes_.data() + kDataLengthOffset, lowBits);
}

}  // namespace halvane::reader
