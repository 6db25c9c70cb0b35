// Copies a byte range between two files inside the kernel where it can
// (copy_file_range), through a caller's buffer where it cannot.
#pragma once

#include "platform/File.h"

#include <cstdint>
#include <vector>

namespace halvane::platform {

// Copies up to n bytes from `from` at fromPos to `to` at its current position,
// advancing it; fewer only at the end of `from`. Returns the bytes copied.
// Raises FileError on a read or write error. `scratch` is used (and sized)
// only when the kernel cannot copy between the two files.
std::size_t CopyFileRange(const File& from, std::uint64_t fromPos, File& to, std::size_t n,
                          std::vector<std::uint8_t>& scratch);

}  // namespace halvane::platform
