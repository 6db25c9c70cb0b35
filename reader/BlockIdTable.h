// The 19 four-character identifiers the scanner recognises, in the fixed
// order whose index the scanner dispatches on and the catalog walk tests.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace halvane::reader {

enum BlockIndex : int {
    kTape = 0, kSfmb, kSset, kVolb, kDirb, kEted, kEset, kEotm, kCfil, kEspb,
    kTsmp, kTfdd, kNacl, kNtqu, kCsum, kStan, kSpad, kFend, kNtoi,
    kBlockIdCount
};

inline constexpr std::array<std::string_view, kBlockIdCount> BlockIdTable = {
    "TAPE", "SFMB", "SSET", "VOLB", "DIRB", "ETED", "ESET", "EOTM", "CFIL", "ESPB",
    "TSMP", "TFDD", "NACL", "NTQU", "CSUM", "STAN", "SPAD", "FEND", "NTOI",
};

// Index of the identifier in the four bytes at p, or -1.
[[nodiscard]] int FindBlockId(const std::uint8_t* p);

}  // namespace halvane::reader
