#include "reader/BlockIdTable.h"

#include "reader/ByteOrder.h"

namespace halvane::reader {

namespace {

constexpr std::uint32_t AsWord(std::string_view id)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(id[0])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(id[1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(id[2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(id[3])) << 24);
}

constexpr std::array<std::uint32_t, kBlockIdCount> MakeWords()
{
    std::array<std::uint32_t, kBlockIdCount> words{};
    for (int i = 0; i < kBlockIdCount; ++i)
        words[i] = AsWord(BlockIdTable[i]);
    return words;
}

constexpr auto kWords = MakeWords();

}  // namespace

int FindBlockId(const std::uint8_t* p)
{
    const std::uint32_t w = load_le32(p);
    for (int i = 0; i < kBlockIdCount; ++i)
        if (kWords[i] == w)
            return i;
    return -1;
}

}  // namespace halvane::reader
