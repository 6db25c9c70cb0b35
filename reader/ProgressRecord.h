// The progress record: how far the reader has come through the backup file.
#pragma once

#include <cstdint>

namespace halvane::reader {

struct ProgressRecord {
    std::uint64_t done = 0;   // current read position in the backup file
    std::uint64_t total = 0;  // length of the backup file

    friend bool operator==(const ProgressRecord&, const ProgressRecord&) = default;
};

}  // namespace halvane::reader
