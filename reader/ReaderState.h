// What the reader carries from block to block: the set label of the last
// SSET, the drive letter and narrow name of the last VOLB, the paths of the
// last DIRB. File records take their paths from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace halvane::reader {

struct ReaderState {
    static constexpr std::size_t kNarrowNameMax = 255;
    static constexpr std::size_t kDirectoryPathMax = 255;

    std::optional<std::u16string> setLabel;  // none until the first SSET
    std::uint8_t driveLetter = 0;            // 0 (no letter) until the first VOLB
    std::string narrowName;                  // device name or narrow directory path
    std::u16string directoryPath;            // empty until the first DIRB
};

}  // namespace halvane::reader
