// The walk over the entries of a TFDD catalog stream, which the scanner
// skips rather than decodes.
#pragma once

#include "reader/ByteSource.h"
#include "reader/TraceSink.h"

#include <cstdint>

namespace halvane::reader {

namespace tfdd {
inline constexpr std::size_t kFirstEntry = 22;   // size of the stream header
inline constexpr std::size_t kEntryLength = 0;   // u16: distance to the next entry
inline constexpr std::size_t kEntryType = 2;     // four ASCII characters
inline constexpr std::size_t kMaxEntryRead = 1024;
}  // namespace tfdd

// Walks VOLB, DIRB and ETED entries from the TFDD block at position, and
// returns the offset from that block of the entry that ended the walk (22
// when the first one does), or -1 when an entry cannot be read: its length
// plus 8 exceeds 1024, its length is 0, or it runs past the end of the file.
[[nodiscard]] std::int64_t WalkTfdd(ByteSource& source, std::uint64_t position, TraceSink& trace);

}  // namespace halvane::reader
