// Fast search for block identifier candidates. Every identifier the scanner
// knows is four upper-case ASCII letters, so a position is a candidate when
// its four bytes are all in 'A'..'Z'; on random data that is about one
// position in ten thousand, and the caller checks each candidate exactly.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvane::reader {

// Bytes past `count` that FindCandidate may read.
inline constexpr std::size_t kSearchOverread = 96;

// First i < count whose bytes i..i+3 are upper-case letters, or count.
// Reads p[0 .. count + kSearchOverread).
[[nodiscard]] std::size_t FindCandidate(const std::uint8_t* p, std::size_t count);

}  // namespace halvane::reader
