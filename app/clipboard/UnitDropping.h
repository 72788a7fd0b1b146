#pragma once
// Dropping single UTF-16 units out of a block of at most 64, as a quoted
// field of a paste loses the second quote of each pair. Three ways with the
// same result: copying the runs between dropped units (SSE2, which every
// x86-64 processor has), shuffling eight units at a time (SSSE3), or
// compressing thirty-two at a time (AVX-512 VBMI2).
//
// The block has 64 readable units, of which the first n are used; bit k of
// drops set drops unit k (no bit at or above n). The kept units go to out in
// their order; outEnd ends the room for the whole output, at least the kept
// units. Both return the end of what they wrote.
#include <cstddef>
#include <cstdint>

char16_t* DropUnitsByRuns(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out,
                          const char16_t* outEnd);
char16_t* DropUnitsByShuffles(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out,
                              const char16_t* outEnd);
char16_t* DropUnitsByCompression(const char16_t* block, std::size_t n, std::uint64_t drops, char16_t* out,
                                 const char16_t* outEnd);
// Whether this processor can take DropUnitsByCompression.
bool ProcessorCompressesUnits();

// Consecutive blocks from units, the faster way this processor has: one
// call for many blocks, as a call per block would cost as much as its work.
struct TDropBlock {
    std::uint64_t Drops;
    std::size_t Units;
};
char16_t* DropUnits(const char16_t* units, const TDropBlock* blocks, std::size_t count, char16_t* out,
                    const char16_t* outEnd);
