#include "reader/TfddWalk.h"

#include "reader/BlockIdTable.h"
#include "reader/ByteOrder.h"

namespace halvane::reader {

std::int64_t WalkTfdd(ByteSource& source, std::uint64_t position, TraceSink& trace)
{
    std::uint64_t entry = position + tfdd::kFirstEntry;
    for (;;) {
        const auto head = source.View(entry, 6);
        const int type = FindBlockId(head.data() + tfdd::kEntryType);
        if (type != kVolb && type != kDirb && type != kEted)
            return static_cast<std::int64_t>(entry - position);

        const std::uint32_t length = load_le16(head.data() + tfdd::kEntryLength);
        // An entry of length 0 would be read again and again: fail the walk
        // like an unreadable entry. Each accepted entry moves the walk on by
        // at least one byte and no entry runs past the file, so the walk ends.
        if (length + 8 > tfdd::kMaxEntryRead || length == 0 || entry + length + 8 > source.Length()) {
            trace.Write("\nTFDD fatal read error");
            return -1;
        }
        entry += length;
    }
}

}  // namespace halvane::reader
