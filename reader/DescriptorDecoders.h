// Decoders of the descriptor blocks that carry naming: SSET (backup set),
// VOLB (volume) and DIRB (directory). Each takes the block as a span that
// starts at the block's identifier and covers every byte a 16-bit string
// offset can reach (kDescriptorReach, zero past the end of the file),
// updates the reader state and writes the diagnostic trace.
#pragma once

#include "reader/MtfStrings.h"
#include "reader/ReaderState.h"
#include "reader/TraceSink.h"

#include <cstddef>
#include <cstdint>

namespace halvane::reader {

// Bytes a descriptor decoder may read from the start of its block.
inline constexpr std::size_t kDescriptorReach = 65536 + 2;

namespace sset {
inline constexpr std::size_t kEncryption = 56;
inline constexpr std::size_t kCompression = 58;
inline constexpr std::size_t kSetNumber = 62;
inline constexpr std::size_t kNameSize = 64;
inline constexpr std::size_t kNameOffset = 66;
inline constexpr std::size_t kDescriptionSize = 68;
inline constexpr std::size_t kDescriptionOffset = 70;
inline constexpr std::size_t kUserSize = 76;
inline constexpr std::size_t kUserOffset = 78;
inline constexpr std::uint16_t kSkipUserSize = 120;
}  // namespace sset

namespace volb {
inline constexpr std::size_t kDeviceSize = 56;
inline constexpr std::size_t kDeviceOffset = 58;
inline constexpr std::size_t kVolumeSize = 60;
inline constexpr std::size_t kVolumeOffset = 62;
}  // namespace volb

namespace dirb {
inline constexpr std::size_t kNameSize = 80;
inline constexpr std::size_t kNameOffset = 82;
}  // namespace dirb

// Replaces the set label, unless the block meets the skip rule (encrypted,
// compressed and a user name longer than 120 bytes).
void DecodeSet(Block block, ReaderState& state, TraceSink& trace);

// Sets the narrow name to the device name and the drive letter to its first character.
void DecodeVolume(Block block, ReaderState& state, TraceSink& trace);

// Sets the directory path and the narrow name; returns the narrow path's
// length, negative when the name was cut, 0 when it is empty.
[[nodiscard]] int DecodeDirectory(Block block, ReaderState& state);

}  // namespace halvane::reader
