// The fields of a database header page (the first 668 bytes of an .edb or
// .stm file), as the property grid shows them: eight groups of named text
// values with descriptions. Nothing is validated; a shorter file reads as
// zero bytes past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace halvane::inspect {

inline constexpr std::size_t kHeaderBufferSize = 668;

struct HeaderProperty {
    std::string name;
    std::string value;  // UTF-8
    std::string description;
};

struct HeaderGroup {
    std::string name;
    std::vector<HeaderProperty> properties;
};

[[nodiscard]] std::string FormatHexBytes(std::span<const std::uint8_t> four);
[[nodiscard]] std::string FormatDbTime(std::span<const std::uint8_t> six);
[[nodiscard]] std::string FormatLogTime(std::span<const std::uint8_t> eight);
[[nodiscard]] std::string FormatLogPosition(std::span<const std::uint8_t> eight);

// The groups for a header; `header` may be shorter than 668 bytes.
[[nodiscard]] std::vector<HeaderGroup> DatabaseHeaderGroups(std::span<const std::uint8_t> header,
                                                            const std::string& fileName);

// Reads the first 668 bytes of a file (zero past its end). Raises
// platform::FileError when the file cannot be opened or read.
[[nodiscard]] std::vector<std::uint8_t> ReadHeaderBuffer(const std::string& path);

}  // namespace halvane::inspect
