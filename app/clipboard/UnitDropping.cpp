#include "UnitDropping.h"

#include <algorithm>
#include <array>
#include <immintrin.h>

namespace {

// Copies the units [from, to) of the block to out and moves out on, eight at
// a time; a last store of eight is made while it fits before outEnd, so that
// a short run costs one store.
void CopyUnits(char16_t*& out, const char16_t* outEnd, const char16_t* block, std::size_t from, std::size_t to)
{
    for (; to - from >= 8; from += 8, out += 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + from)));
    if (outEnd - out >= 8 && from + 8 <= 64)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + from)));
    else
        std::copy(block + from, block + to, out);
    out += to - from;
}

// For each set of dropped units among eight (bit k: unit k), the byte
// shuffle that moves the kept units to the front, and how many they are.
struct TKeepShuffle {
    alignas(16) std::array<std::uint8_t, 16> Bytes{};
    std::uint8_t Kept = 0;
};

constexpr std::array<TKeepShuffle, 256> KeepShuffles()
{
    std::array<TKeepShuffle, 256> shuffles{};
    for (unsigned drops = 0; drops < 256; ++drops) {
        TKeepShuffle& shuffle = shuffles[drops];
        shuffle.Bytes.fill(0x80);  // zero: nothing is read there
        for (unsigned unit = 0; unit < 8; ++unit) {
            if (drops & (1u << unit))
                continue;
            shuffle.Bytes[2 * shuffle.Kept] = static_cast<std::uint8_t>(2 * unit);
            shuffle.Bytes[2 * shuffle.Kept + 1] = static_cast<std::uint8_t>(2 * unit + 1);
            ++shuffle.Kept;
        }
    }
    return shuffles;
}

constexpr std::array<TKeepShuffle, 256> Shuffles = KeepShuffles();

}  // namespace

char16_t* DropUnitsByRuns(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out,
                          const char16_t* outEnd)
{
    std::size_t from = 0;
    for (; drops != 0; drops &= drops - 1) {
        const auto dropped = static_cast<std::size_t>(__builtin_ctzll(drops));
        CopyUnits(out, outEnd, block, from, dropped);
        from = dropped + 1;
    }
    CopyUnits(out, outEnd, block, from, n);
    return out;
}

__attribute__((target("ssse3"))) char16_t*
DropUnitsByShuffles(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out, const char16_t* outEnd)
{
    for (std::size_t k = 0; k < n; k += 8) {
        // Units beyond n are dropped like the others.
        const unsigned beyond = n - k >= 8 ? 0u : 0xFFu << (n - k);
        const TKeepShuffle& shuffle = Shuffles[((drops >> k) & 0xFFu) | (beyond & 0xFFu)];
        const __m128i kept = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k)),
                                              _mm_load_si128(reinterpret_cast<const __m128i*>(shuffle.Bytes.data())));
        if (outEnd - out >= 8) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), kept);
        } else {
            alignas(16) char16_t units[8];
            _mm_store_si128(reinterpret_cast<__m128i*>(units), kept);
            std::copy(units, units + shuffle.Kept, out);
        }
        out += shuffle.Kept;
    }
    return out;
}

__attribute__((target("avx512bw,avx512vbmi2"))) char16_t*
DropUnitsByCompression(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out, const char16_t*)
{
    // Thirty-two units at a time, the kept ones pressed together and stored
    // under a mask of their count: nothing is written beyond them.
    for (std::size_t k = 0; k < n; k += 32) {
        const std::uint64_t inBlock = n - k >= 32 ? 0xFFFFFFFFu : (std::uint64_t{1} << (n - k)) - 1;
        const auto keep = static_cast<__mmask32>(~(drops >> k) & inBlock);
        const __m512i kept = _mm512_maskz_compress_epi16(keep, _mm512_loadu_si512(block + k));
        const auto count = static_cast<unsigned>(__builtin_popcount(keep));
        _mm512_mask_storeu_epi16(out, static_cast<__mmask32>((std::uint64_t{1} << count) - 1), kept);
        out += count;
    }
    return out;
}

namespace {

template <typename Drop>
char16_t* DropUnitsOfBlocks(const char16_t* units, const TDropBlock* blocks, std::size_t count, char16_t* out,
                            const char16_t* outEnd, Drop drop)
{
    for (std::size_t b = 0; b < count; units += blocks[b].Units, ++b)
        out = drop(units, blocks[b].Units, blocks[b].Drops, out, outEnd);
    return out;
}

__attribute__((target("ssse3"))) char16_t* DropUnitsOfBlocksByShuffles(const char16_t* units, const TDropBlock* blocks,
                                                                       std::size_t count, char16_t* out,
                                                                       const char16_t* outEnd)
{
    return DropUnitsOfBlocks(units, blocks, count, out, outEnd, DropUnitsByShuffles);
}

__attribute__((target("avx512bw,avx512vbmi2,popcnt"))) char16_t*
DropUnitsOfBlocksByCompression(const char16_t* units, const TDropBlock* blocks, std::size_t count, char16_t* out,
                               const char16_t* outEnd)
{
    return DropUnitsOfBlocks(units, blocks, count, out, outEnd, DropUnitsByCompression);
}

}  // namespace

bool ProcessorCompressesUnits()
{
    static const bool compresses = __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi2");
    return compresses;
}

char16_t* DropUnits(const char16_t* units, const TDropBlock* blocks, std::size_t count, char16_t* out,
                    const char16_t* outEnd)
{
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (ProcessorCompressesUnits())
        return DropUnitsOfBlocksByCompression(units, blocks, count, out, outEnd);
    return shuffles ? DropUnitsOfBlocksByShuffles(units, blocks, count, out, outEnd)
                    : DropUnitsOfBlocks(units, blocks, count, out, outEnd, DropUnitsByRuns);
}
