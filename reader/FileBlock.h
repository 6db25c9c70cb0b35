// The ETED file block: a short header with the file's name, then the file's
// bytes. Parsing from memory; the reader does the I/O.
#pragma once

#include "reader/CatalogFile.h"
#include "reader/MtfStrings.h"
#include "reader/ReaderState.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace halvane::reader {

namespace eted {
inline constexpr std::size_t kRecordLength = 8;  // u64: bytes from offset 22 to the end of the data
inline constexpr std::size_t kNameLength = 22;   // u32: name length in bytes
inline constexpr std::size_t kName = 26;         // UTF-16LE, not zero-terminated
inline constexpr std::size_t kHeaderSize = 26;
inline constexpr std::uint32_t kMaxNameLength = 1024;
inline constexpr std::size_t kMaxNameUnits = 512;
// Bytes catalog mode reads from the block start: the name may run two bytes
// past 26 + n when n is odd.
inline constexpr std::size_t kCatalogReach = kName + kMaxNameLength + 2;
}  // namespace eted

struct EtedHeader {
    std::uint64_t recordLength = 0;
    std::uint32_t nameLength = 0;

    // D = L - n - 4; negative for a length field shorter than the name.
    [[nodiscard]] std::int64_t DataLength() const
    {
        return static_cast<std::int64_t>(recordLength - nameLength - 4);
    }
    [[nodiscard]] std::uint64_t DataOffset() const { return eted::kName + std::uint64_t{nameLength}; }
};

[[nodiscard]] EtedHeader ParseEtedHeader(Block block);

// The name as catalog mode copies it: (n+1)/2 units, at most 512.
[[nodiscard]] std::u16string EtedName(Block block, std::uint32_t nameLength);

// The label part of a record path: the set label with / \ : * ? < > | "
// replaced by '_', or "(null)" before the first set.
[[nodiscard]] std::u16string LabelPart(const ReaderState& state);

// The record of a file block: label part, drive letter, directory path and
// name (cut to the 1023 units the path field holds), block position and the
// low 32 bits of the data length.
[[nodiscard]] CatalogFile ComposeCatalogFile(const ReaderState& state, const std::u16string& name,
                                             std::uint64_t blockPosition, std::int64_t dataLength);

}  // namespace halvane::reader
