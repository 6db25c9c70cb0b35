// String routines over a descriptor block. Offsets are 16-bit unsigned, as
// MTF tape-address pairs are, and every unit is read as UTF-16LE; the narrow
// forms keep the low byte of each unit. Reads go through the block span,
// which holds every byte a 16-bit offset can reach (zero past the file end).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace halvane::reader {

using Block = std::span<const std::uint8_t>;

// Copies units start, start+2, ... below end (at most max of them) and
// returns the number copied; out holds them without a terminating zero.
std::size_t CopyUnitsNarrow(Block block, std::uint16_t start, std::uint16_t end, std::size_t max, std::string& out);
std::size_t CopyUnitsWide(Block block, std::uint16_t start, std::uint16_t end, std::size_t max, std::u16string& out);

// Builds a directory path from zero-separated name components; called with
// start = name offset and end = offset + size - 1. Returns the number of
// units taken from the block, not counting the leading backslash.
std::size_t BuildPathNarrow(Block block, std::uint16_t start, std::uint16_t end, std::string& out);
std::size_t BuildPathWide(Block block, std::uint16_t start, std::uint16_t end, std::u16string& out);

// The trace form of a string field: the low byte of (size-1)/2+1 units for
// a size above 0, empty otherwise.
[[nodiscard]] std::string TraceUnits(Block block, std::uint16_t offset, std::uint16_t size);

// size/2 whole units from offset (the form the set label takes).
[[nodiscard]] std::u16string FieldUnits(Block block, std::uint16_t offset, std::uint16_t size);

}  // namespace halvane::reader
