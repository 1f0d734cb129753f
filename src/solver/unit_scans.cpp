#include "solver/unit_scans.hpp"

#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/lanes.hpp"

namespace cellwright {
namespace {

// Candidates of the cells of a band's column, tallied down its three rows.
Tally<DigitMask> column_of_band(const ExclusionGrid& excluded, int band, int column) {
    Tally<DigitMask> open{};
    for (int row = 0; row < 3; ++row) {
        open = tally_add(open, candidates_of(excluded[27 * band + 9 * row + column]));
    }
    return open;
}

// The digits open in exactly one cell, from a tally over a unit's cells.
DigitMask open_once(Tally<DigitMask> open) {
    return static_cast<DigitMask>(exactly_once(open) & ALL_DIGITS);
}

#if CELLWRIGHT_SSE2
// The baseline x86-64 target has SSE2, and eight 16-bit lanes hold columns 0..7 of a row:
// the vertical tallies of eight columns take one instruction per step. Column 8 goes apart.
// Candidates are taken as the complement of the whole word; bits 9..15 are then open in
// every cell, so never open once, and `open_once` drops them anyway.
Lanes open_lanes(const ExclusionGrid& excluded, int first_cell) {
    return load_cell_words(excluded.data() + first_cell) ^ Lanes { _mm_set1_epi16(-1) };
}

// The digits open in exactly one cell, lane by lane.
Lanes open_once(Tally<Lanes> open) {
    return exactly_once(open) & Lanes{_mm_set1_epi16(ALL_DIGITS)};
}

// Candidates of column 8 of a row.
DigitMask last_column_open(const ExclusionGrid& excluded, int row) {
    return candidates_of(excluded[9 * row + 8]);
}

// Eight vectors of eight 16-bit lanes (a plain array: std::array drops the vector type's
// attributes).
struct Block {
    Lanes v[8];
};

// The block turned on its side: lane r of result c is lane c of rows.v[r].
Block transposed(const Block& rows) {
    __m128i low[4];
    __m128i high[4];
    for (int i = 0; i < 4; ++i) {
        low[i] = _mm_unpacklo_epi16(rows.v[2 * i].words, rows.v[2 * i + 1].words);
        high[i] = _mm_unpackhi_epi16(rows.v[2 * i].words, rows.v[2 * i + 1].words);
    }
    // Columns 0-1, 2-3, 4-5, 6-7 of rows 0..3 (quads 0..3) and of rows 4..7 (quads 4..7).
    const __m128i quads[8] = {
        _mm_unpacklo_epi32(low[0], low[1]),   _mm_unpackhi_epi32(low[0], low[1]),
        _mm_unpacklo_epi32(high[0], high[1]), _mm_unpackhi_epi32(high[0], high[1]),
        _mm_unpacklo_epi32(low[2], low[3]),   _mm_unpackhi_epi32(low[2], low[3]),
        _mm_unpacklo_epi32(high[2], high[3]), _mm_unpackhi_epi32(high[2], high[3]),
    };
    Block columns;
    for (int i = 0; i < 4; ++i) {
        columns.v[2 * i] = Lanes{_mm_unpacklo_epi64(quads[i], quads[i + 4])};
        columns.v[2 * i + 1] = Lanes{_mm_unpackhi_epi64(quads[i], quads[i + 4])};
    }
    return columns;
}

// Lane 0 of a tally of eight 16-bit lanes.
Tally<DigitMask> first_lane(Tally<Lanes> open) {
    return {static_cast<DigitMask>(_mm_extract_epi16(open.once.words, 0)),
            static_cast<DigitMask>(_mm_extract_epi16(open.twice.words, 0))};
}
#endif

}  // namespace

unsigned digits_open_once_in_boxes(const ExclusionGrid& excluded, UnitMasks& boxes) {
    unsigned due = 0;
    int first_band = 0;
#if CELLWRIGHT_AVX2
    {
        // Bands 0 and 1 side by side, band 0 in the low 128 bits and band 1 in the high, each
        // half exactly as one band of the SSE2 loop below (whose byte shifts stay within a
        // half, as its lanes need); band 2 is left to that loop.
        const auto column_8 = [&](int band, bool twice) {
            const Tally<DigitMask> last = column_of_band(excluded, band, 8);
            return _mm_insert_epi16(_mm_setzero_si128(), twice ? last.twice : last.once, 7);
        };
        __m256i once = _mm256_set_m128i(column_8(1, false), column_8(0, false));
        __m256i twice = _mm256_set_m128i(column_8(1, true), column_8(0, true));
        for (int row = 0; row < 3; ++row) {
            const __m256i open = _mm256_xor_si256(
                _mm256_loadu2_m128i(
                    reinterpret_cast<const __m128i*>(excluded.data() + 27 + 9 * row),
                    reinterpret_cast<const __m128i*>(excluded.data() + 9 * row)),
                _mm256_set1_epi16(-1));
            twice = _mm256_or_si256(twice, _mm256_and_si256(once, open));
            once = _mm256_or_si256(once, open);
        }
        const auto merge_down = [&](__m256i next_once, __m256i next_twice) {
            twice = _mm256_or_si256(_mm256_or_si256(twice, next_twice),
                                    _mm256_and_si256(once, next_once));
            once = _mm256_or_si256(once, next_once);
        };
        const __m256i once_0 = once;
        const __m256i twice_0 = twice;
        merge_down(_mm256_srli_si256(once_0, 2), _mm256_srli_si256(twice_0, 2));
        merge_down(_mm256_srli_si256(once_0, 4), _mm256_srli_si256(twice_0, 4));
        const __m256i found =
            _mm256_and_si256(_mm256_andnot_si256(twice, once), _mm256_set1_epi16(ALL_DIGITS));
        boxes[0] = static_cast<DigitMask>(_mm256_extract_epi16(found, 0));
        boxes[1] = static_cast<DigitMask>(_mm256_extract_epi16(found, 3));
        boxes[2] = static_cast<DigitMask>(_mm256_extract_epi16(found, 6));
        boxes[3] = static_cast<DigitMask>(_mm256_extract_epi16(found, 8));
        boxes[4] = static_cast<DigitMask>(_mm256_extract_epi16(found, 11));
        boxes[5] = static_cast<DigitMask>(_mm256_extract_epi16(found, 14));
        // Two flag bits per lane; lanes 0, 3, 6, 8, 11 and 14 give boxes 0..5.
        due = _pext_u32(~static_cast<std::uint32_t>(_mm256_movemask_epi8(
                            _mm256_cmpeq_epi16(found, _mm256_setzero_si256()))),
                        0x10411041u);
        first_band = 2;
    }
#endif
    for (int band = first_band; band < 3; ++band) {
        const Tally<DigitMask> last_column = column_of_band(excluded, band, 8);
#if CELLWRIGHT_SSE2
        // Down the columns of the band, with column 8 folded into lane 7; then across the
        // three columns of each box: lane 3s gathers lanes 3s + 1 and 3s + 2, and so lane 6
        // holds columns 6, 7 and 8.
        Tally<Lanes> columns{Lanes{_mm_insert_epi16(_mm_setzero_si128(), last_column.once, 7)},
                             Lanes{_mm_insert_epi16(_mm_setzero_si128(), last_column.twice, 7)}};
        for (int row = 0; row < 3; ++row) {
            columns = tally_add(columns, open_lanes(excluded, 27 * band + 9 * row));
        }
        const __m128i once =
            open_once(tally_merge(tally_merge(columns, word_lanes_down<1>(columns)),
                                  word_lanes_down<2>(columns)))
                .words;
        boxes[3 * band] = static_cast<DigitMask>(_mm_extract_epi16(once, 0));
        boxes[3 * band + 1] = static_cast<DigitMask>(_mm_extract_epi16(once, 3));
        boxes[3 * band + 2] = static_cast<DigitMask>(_mm_extract_epi16(once, 6));
        // Two flag bits per lane; those of lanes 0, 3 and 6 are bits 0, 6 and 12.
        const auto some =
            ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(once, _mm_setzero_si128())));
        due |= ((some & 1u) | (some >> 5 & 2u) | (some >> 10 & 4u)) << (3 * band);
#else
        for (int stack = 0; stack < 3; ++stack) {
            Tally<DigitMask> box = column_of_band(excluded, band, 3 * stack);
            box = tally_merge(box, column_of_band(excluded, band, 3 * stack + 1));
            box = tally_merge(
                box, stack == 2 ? last_column : column_of_band(excluded, band, 3 * stack + 2));
            boxes[3 * band + stack] = open_once(box);
            due |= boxes[3 * band + stack] != 0 ? 1u << (3 * band + stack) : 0u;
        }
#endif
    }
    return due;
}

unsigned digits_open_once_in_lines(const ExclusionGrid& excluded, UnitMasks& columns,
                                   UnitMasks& rows) {
    Tally<DigitMask> last_column{};
    for (int row = 0; row < 9; ++row) {
        last_column = tally_add(last_column, candidates_of(excluded[9 * row + 8]));
    }
    columns[8] = open_once(last_column);
#if CELLWRIGHT_SSE2
    // Columns 0..7 are tallied down the nine rows. Rows 0..7 are tallied down too, after
    // turning the 8x8 block of their columns 0..7 on its side (lane r of vector c = row r,
    // column c), with column 8 gathered into one vector; row 8 is tallied across.
    Block open;
    Tally<Lanes> down{};
    for (int row = 0; row < 8; ++row) {
        open.v[row] = open_lanes(excluded, 9 * row);
        down = tally_add(down, open.v[row]);
    }
    const Lanes last_row = open_lanes(excluded, 72);
    down = tally_add(down, last_row);
    Tally<Lanes> across{};
    const Block columns_of_rows = transposed(open);
    for (const Lanes column : columns_of_rows.v) {
        across = tally_add(across, column);
    }
    across =
        tally_add(across, Lanes{_mm_setr_epi16(static_cast<short>(last_column_open(excluded, 0)),
                                               static_cast<short>(last_column_open(excluded, 1)),
                                               static_cast<short>(last_column_open(excluded, 2)),
                                               static_cast<short>(last_column_open(excluded, 3)),
                                               static_cast<short>(last_column_open(excluded, 4)),
                                               static_cast<short>(last_column_open(excluded, 5)),
                                               static_cast<short>(last_column_open(excluded, 6)),
                                               static_cast<short>(last_column_open(excluded, 7)))});
    const __m128i rows_once = open_once(across).words;
    const __m128i columns_once = open_once(down).words;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rows.data()), rows_once);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(columns.data()), columns_once);
    // Row 8 across: lane 0 gathers lanes 0..7 in three halvings, then column 8.
    Tally<Lanes> row8{last_row, Lanes{_mm_setzero_si128()}};
    row8 = tally_merge(row8, word_lanes_down<1>(row8));
    row8 = tally_merge(row8, word_lanes_down<2>(row8));
    row8 = tally_merge(row8, word_lanes_down<4>(row8));
    rows[8] = open_once(tally_add(first_lane(row8), last_column_open(excluded, 8)));
    // One flag byte per lane k: column k or row k has a digit open once.
    const __m128i quiet =
        _mm_cmpeq_epi16(_mm_or_si128(rows_once, columns_once), _mm_setzero_si128());
    const unsigned due =
        ~static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(quiet, quiet))) & 0xFF;
    return due | ((columns[8] | rows[8]) != 0 ? 1u << 8 : 0u);
#else
    for (int row = 0; row < 9; ++row) {
        Tally<DigitMask> open{};
        for (int column = 0; column < 9; ++column) {
            open = tally_add(open, candidates_of(excluded[9 * row + column]));
        }
        rows[row] = open_once(open);
    }
    for (int column = 0; column < 8; ++column) {
        Tally<DigitMask> open{};
        for (int row = 0; row < 9; ++row) {
            open = tally_add(open, candidates_of(excluded[9 * row + column]));
        }
        columns[column] = open_once(open);
    }
    unsigned due = 0;
    for (int k = 0; k < 9; ++k) {
        due |= (columns[k] | rows[k]) != 0 ? 1u << k : 0u;
    }
    return due;
#endif
}

int first_single_candidate_cell(const ExclusionGrid& excluded, int from) {
    // One flag bit per cell for the whole grid, sixteen cells a step: a fixed number of steps,
    // where stopping at the first group with a flag would branch on the grid. Cells 0..63 go to
    // `low`, 64..79 and 80 to `high`; the cells before `from` are dropped.
    // Bit 17 of `high` stands for CELL_COUNT, the answer when no flag is left.
#if CELLWRIGHT_AVX2
    // As the SSE2 version below, sixteen cells a vector; a lane's flag is two bits of the byte
    // mask, and PEXT keeps one of them.
    const __m256i all_digits = _mm256_set1_epi16(ALL_DIGITS);
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i zero = _mm256_setzero_si256();
    const auto single_flags = [&](int first) {
        const __m256i words =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(excluded.data() + first));
        const __m256i open = _mm256_andnot_si256(words, all_digits);
        const __m256i single = _mm256_andnot_si256(
            _mm256_cmpeq_epi16(open, zero),
            _mm256_cmpeq_epi16(_mm256_and_si256(open, _mm256_sub_epi16(open, one)), zero));
        return static_cast<std::uint64_t>(
            _pext_u32(static_cast<std::uint32_t>(_mm256_movemask_epi8(single)), 0x55555555u));
    };
    std::uint64_t low =
        single_flags(0) | single_flags(16) << 16 | single_flags(32) << 32 | single_flags(48) << 48;
    std::uint64_t high = single_flags(64) |
                         static_cast<unsigned>(exactly_one(candidates_of(excluded[80]))) << 16 |
                         1u << 17;
#elif CELLWRIGHT_SSE2
    const __m128i all_digits = _mm_set1_epi16(ALL_DIGITS);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i zero = _mm_setzero_si128();
    // Per lane, as `exactly_one`: a non-zero mask that shares no bit with itself minus one.
    const auto single_lanes = [&](int first) {
        const __m128i words = load_cell_words(excluded.data() + first).words;
        const __m128i open = _mm_andnot_si128(words, all_digits);
        return _mm_andnot_si128(
            _mm_cmpeq_epi16(open, zero),
            _mm_cmpeq_epi16(_mm_and_si128(open, _mm_sub_epi16(open, one)), zero));
    };
    std::uint64_t low = 0;
    for (int first = 0; first < 64; first += 16) {
        low |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(
                   _mm_packs_epi16(single_lanes(first), single_lanes(first + 8)))))
               << first;
    }
    std::uint64_t high =
        static_cast<unsigned>(
            _mm_movemask_epi8(_mm_packs_epi16(single_lanes(64), single_lanes(72)))) |
        static_cast<unsigned>(exactly_one(candidates_of(excluded[80]))) << 16 | 1u << 17;
#endif
#if CELLWRIGHT_SSE2
    // Shifts by 64 or more are undefined: `from` is 0..81.
    low &= from < 64 ? ~std::uint64_t{0} << from : 0;
    high &= from < 64 ? ~std::uint64_t{0} : ~std::uint64_t{0} << (from - 64);
    // `high` is taken when `low` is empty, chosen by a mask rather than a branch.
    const std::uint64_t take_high = std::uint64_t{0} - static_cast<std::uint64_t>(low == 0);
    return std::countr_zero((low & ~take_high) | (high & take_high)) +
           static_cast<int>(take_high & 64);
#else
    for (int cell = from; cell < CELL_COUNT; ++cell) {
        if (exactly_one(candidates_of(excluded[cell]))) {
            return cell;
        }
    }
    return CELL_COUNT;
#endif
}

}  // namespace cellwright
