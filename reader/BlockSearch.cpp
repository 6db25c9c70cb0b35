#include "reader/BlockSearch.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace halvane::reader {

namespace {

inline bool IsUpper(std::uint8_t b)
{
    return static_cast<std::uint8_t>(b - 'A') < 26;
}

std::size_t FindCandidateScalar(const std::uint8_t* p, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < count; ++i)
        if (IsUpper(p[i]) && IsUpper(p[i + 1]) && IsUpper(p[i + 2]) && IsUpper(p[i + 3]))
            return i;
    return count;
}

#if defined(__x86_64__)
// Bit i set when byte i of the 16 at p is an upper-case letter: shifting
// 'A'..'Z' to -128..-103 turns the range test into one signed compare.
inline std::uint64_t UpperMask16(const std::uint8_t* p)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i shifted = _mm_add_epi8(v, _mm_set1_epi8(0x3F));
    const __m128i upper = _mm_cmplt_epi8(shifted, _mm_set1_epi8(-102));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(upper));
}

inline std::uint64_t UpperMask64(const std::uint8_t* p)
{
    return UpperMask16(p) | (UpperMask16(p + 16) << 16) | (UpperMask16(p + 32) << 32) | (UpperMask16(p + 48) << 48);
}

__attribute__((target("avx2"))) inline std::uint64_t UpperMask32Avx2(const std::uint8_t* p)
{
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i shifted = _mm256_add_epi8(v, _mm256_set1_epi8(0x3F));
    const __m256i upper = _mm256_cmpgt_epi8(_mm256_set1_epi8(-102), shifted);
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(upper));
}

__attribute__((target("avx2"))) inline std::uint64_t UpperMask64Avx2(const std::uint8_t* p)
{
    return UpperMask32Avx2(p) | (UpperMask32Avx2(p + 32) << 32);
}

// Four letters in a row starting at bit j, borrowing the next block's low bits.
inline std::uint64_t Runs(std::uint64_t m, std::uint64_t next)
{
    return m & ((m >> 1) | (next << 63)) & ((m >> 2) | (next << 62)) & ((m >> 3) | (next << 61));
}

__attribute__((target("avx2"))) std::size_t FindCandidateAvx2(const std::uint8_t* p, std::size_t count)
{
    std::size_t i = 0;
    std::uint64_t m = UpperMask64Avx2(p);
    for (; i + 64 <= count; i += 64) {
        const std::uint64_t next = UpperMask64Avx2(p + i + 64);
        if (const std::uint64_t run = Runs(m, next); run != 0)
            return i + static_cast<std::size_t>(__builtin_ctzll(run));
        m = next;
    }
    return FindCandidateScalar(p, i, count);
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

}  // namespace

std::size_t FindCandidate(const std::uint8_t* p, std::size_t count)
{
    std::size_t i = 0;
#if defined(__x86_64__)
    if (count >= 64) {
        if (kHasAvx2)
            return std::min(FindCandidateAvx2(p, count), count);
        std::uint64_t m = UpperMask64(p);
        for (; i + 64 <= count; i += 64) {
            const std::uint64_t next = UpperMask64(p + i + 64);
            if (const std::uint64_t run = Runs(m, next); run != 0)
                return i + static_cast<std::size_t>(__builtin_ctzll(run));
            m = next;
        }
    }
#endif
    const std::size_t found = FindCandidateScalar(p, i, count);
    return found < count ? found : count;
}

}  // namespace halvane::reader
