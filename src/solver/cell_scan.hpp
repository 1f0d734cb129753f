#pragma once
// The one look at the grid that a naked-subset sweep takes before it visits units: which cells
// have a candidate count the subset size asks for (the listed cells) and which of those changed
// since the last sweep that set nothing (the fresh cells).

#include <cstdint>

#include "grid/geometry.hpp"
#include "grid/grid.hpp"
#include "grid/lanes.hpp"

namespace cellwright {
// Private to naked_subsets.cpp; see there.
namespace {

// What one look at the 81 words of a grid finds: the cells whose candidate count lies in
// [fewest, most], and those of them whose word differs from an earlier grid's (all of them
// when there is none). The listed cells are wanted by unit, so as band words, and counted by
// unit, so in cell order as well; the fresh ones are wanted cell by cell, so in cell order.
struct CellScan {
    BandWords listed;
    CellBits listed_cells;
    CellBits fresh;
};

#if CELLWRIGHT_SSE2
// The vector scans below take cells 0..79 sixteen at a time; this adds cell 80 by itself and
// keeps the listed cells that differ from `earlier` (all of them when it is null).
template <int fewest, int most>
CellScan finish_scan(const ExclusionGrid& excluded, const ExclusionGrid* earlier,
                     std::uint64_t (&listed_bits)[2], std::uint64_t (&same_bits)[2]) {
    const int last_count = digit_count(candidates_of(excluded[80]));
    listed_bits[1] |= std::uint64_t{last_count >= fewest && last_count <= most} << 16;
    const BandWords listed_bands = band_words(listed_bits[0], listed_bits[1]);
    if (earlier == nullptr) {
        return {listed_bands, {listed_bits[0], listed_bits[1]}, {listed_bits[0], listed_bits[1]}};
    }
    same_bits[1] |= std::uint64_t{excluded[80] == (*earlier)[80]} << 16;
    return {listed_bands,
            {listed_bits[0], listed_bits[1]},
            {listed_bits[0] & ~same_bits[0], listed_bits[1] & ~same_bits[1]}};
}
#endif

#if CELLWRIGHT_AVX2
// Sixteen exclusion words: bit i set when word i has a candidate count in [fewest, most], by the
// test of the SSE2 version below. A lane's test result is two bits of the byte mask, and PEXT keeps
// one of them.
template <int fewest, int most>
std::uint32_t counts_in_range(__m256i words) {
    constexpr int SPREAD = most - fewest;
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i top = _mm256_set1_epi16(static_cast<short>(((1 << SPREAD) - 1) << 9));
    const __m256i in_range = _mm256_set1_epi16(static_cast<short>((1 << (9 + SPREAD)) - 1));
    for (int step = 0; step < most; ++step) {
        words = _mm256_or_si256(words, _mm256_add_epi16(words, one));
    }
    const __m256i tests = _mm256_cmpeq_epi16(_mm256_or_si256(words, top), in_range);
    return _pext_u32(static_cast<std::uint32_t>(_mm256_movemask_epi8(tests)), 0x55555555u);
}

// Sixteen cells a vector of 16-bit lanes, as below.
template <int fewest, int most>
CellScan scan_cells(const ExclusionGrid& excluded, const ExclusionGrid* earlier) {
    const auto load = [](const DigitMask* at) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    };
    const auto bits = [](__m256i tests) {
        return std::uint64_t{
            _pext_u32(static_cast<std::uint32_t>(_mm256_movemask_epi8(tests)), 0x55555555u)};
    };
    std::uint64_t listed_bits[2] = {0, 0};
    std::uint64_t same_bits[2] = {0, 0};
    for (int first = 0; first < 80; first += 16) {
        const __m256i words = load(excluded.data() + first);
        listed_bits[first / 64] |= std::uint64_t{counts_in_range<fewest, most>(words)}
                                   << (first & 63);
        if (earlier != nullptr) {
            same_bits[first / 64] |= bits(_mm256_cmpeq_epi16(words, load(earlier->data() + first)))
                                     << (first & 63);
        }
    }
    return finish_scan<fewest, most>(excluded, earlier, listed_bits, same_bits);
}
#elif CELLWRIGHT_SSE2
// Sixteen exclusion words, eight per vector of 16-bit lanes: bit i set when word i has a
// candidate count in [fewest, most]. Each test gives 0xFFFF or 0 per lane, and one movemask
// takes sixteen results as bits.
//
// Setting the lowest clear bit of an exclusion word (w | (w + 1)) rules out the cell's lowest
// candidate. After `most` such steps a cell with c <= most candidates has bits 0..(8 + most - c)
// all set and nothing above them, and a cell with more than `most` still has a clear bit among
// 0..8. So c lies in [fewest, most] exactly when setting bits 9..(8 + most - fewest) as well
// gives bits 0..(8 + most - fewest) and nothing else.
template <int fewest, int most>
std::uint32_t counts_in_range(__m128i first_eight, __m128i next_eight) {
    constexpr int SPREAD = most - fewest;
    const __m128i one = _mm_set1_epi16(1);
    const __m128i top = _mm_set1_epi16(static_cast<short>(((1 << SPREAD) - 1) << 9));
    const __m128i in_range = _mm_set1_epi16(static_cast<short>((1 << (9 + SPREAD)) - 1));
    const auto test = [&](__m128i words) {
        for (int step = 0; step < most; ++step) {
            words = _mm_or_si128(words, _mm_add_epi16(words, one));
        }
        return _mm_cmpeq_epi16(_mm_or_si128(words, top), in_range);
    };
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_packs_epi16(test(first_eight), test(next_eight))) & 0xFFFF);
}

// Sixteen cells at a time.
template <int fewest, int most>
CellScan scan_cells(const ExclusionGrid& excluded, const ExclusionGrid* earlier) {
    const auto load = [](const DigitMask* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    };
    const auto bits = [](__m128i first_eight, __m128i next_eight) {
        return static_cast<std::uint64_t>(
            _mm_movemask_epi8(_mm_packs_epi16(first_eight, next_eight)) & 0xFFFF);
    };
    std::uint64_t listed_bits[2] = {0, 0};
    std::uint64_t same_bits[2] = {0, 0};
    for (int first = 0; first < 80; first += 16) {
        const __m128i words = load(excluded.data() + first);
        const __m128i next_words = load(excluded.data() + first + 8);
        listed_bits[first / 64] |= std::uint64_t{counts_in_range<fewest, most>(words, next_words)}
                                   << (first & 63);
        if (earlier != nullptr) {
            same_bits[first / 64] |=
                bits(_mm_cmpeq_epi16(words, load(earlier->data() + first)),
                     _mm_cmpeq_epi16(next_words, load(earlier->data() + first + 8)))
                << (first & 63);
        }
    }
    return finish_scan<fewest, most>(excluded, earlier, listed_bits, same_bits);
}
#else
template <int fewest, int most>
CellScan scan_cells(const ExclusionGrid& excluded, const ExclusionGrid* earlier) {
    std::uint64_t listed_bits[2] = {0, 0};
    CellBits fresh{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int count = digit_count(candidates_of(excluded[cell]));
        const bool listed = count >= fewest && count <= most;
        const bool changed = earlier == nullptr || excluded[cell] != (*earlier)[cell];
        listed_bits[cell / 64] |= std::uint64_t{listed} << (cell & 63);
        fresh[cell / 64] |= std::uint64_t{listed && changed} << (cell & 63);
    }
    return {band_words(listed_bits[0], listed_bits[1]), {listed_bits[0], listed_bits[1]}, fresh};
}
#endif

}  // namespace
}  // namespace cellwright
