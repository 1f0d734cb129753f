#include "solver/unit_scans.hpp"

#include <bit>
#include <cstdint>

#include "grid/sse2.hpp"

namespace cellwright {
namespace {

// Running "open in at least one / in at least two cells" over the cells of a unit.
struct OpenCount {
    DigitMask once = 0;
    DigitMask twice = 0;
};

constexpr OpenCount add_open(OpenCount count, DigitMask open) {
    return {static_cast<DigitMask>(count.once | open),
            static_cast<DigitMask>(count.twice | (count.once & open))};
}

constexpr OpenCount merge(OpenCount a, OpenCount b) {
    return {static_cast<DigitMask>(a.once | b.once),
            static_cast<DigitMask>(a.twice | b.twice | (a.once & b.once))};
}

constexpr DigitMask exactly_once(OpenCount count) {
    return static_cast<DigitMask>(count.once & ~count.twice & ALL_DIGITS);
}

OpenCount column_of_band(const ExclusionGrid& excluded, int band, int column) {
    OpenCount count;
    for (int row = 0; row < 3; ++row) {
        count = add_open(count, candidates_of(excluded[27 * band + 9 * row + column]));
    }
    return count;
}

#if CELLWRIGHT_SSE2
// The baseline x86-64 target has SSE2, and eight 16-bit lanes hold columns 0..7 of a row:
// the vertical counts of eight columns take one instruction per step. Column 8 goes apart.
// Candidates are taken as the complement of the whole word; bits 9..15 are then open in
// every cell, so never open once, and `exactly_once` drops them anyway.
using Lanes = __m128i;

Lanes open_lanes(const ExclusionGrid& excluded, int first_cell) {
    const Lanes words =
        _mm_loadu_si128(reinterpret_cast<const Lanes*>(excluded.data() + first_cell));
    return _mm_xor_si128(words, _mm_set1_epi16(-1));
}

struct OpenLanes {
    Lanes once;
    Lanes twice;
};

OpenLanes add_open(OpenLanes count, Lanes open) {
    return {_mm_or_si128(count.once, open),
            _mm_or_si128(count.twice, _mm_and_si128(count.once, open))};
}

OpenLanes merge(OpenLanes a, OpenLanes b) {
    return {_mm_or_si128(a.once, b.once),
            _mm_or_si128(_mm_or_si128(a.twice, b.twice), _mm_and_si128(a.once, b.once))};
}

// Lane i + n moved to lane i (zeros shifted in).
template <int n>
OpenLanes from_lane_plus(OpenLanes count) {
    return {_mm_srli_si128(count.once, 2 * n), _mm_srli_si128(count.twice, 2 * n)};
}

// The digits open in exactly one cell, lane by lane.
Lanes exactly_once(OpenLanes count) {
    return _mm_andnot_si128(count.twice, _mm_and_si128(count.once, _mm_set1_epi16(ALL_DIGITS)));
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
    Lanes low[4];
    Lanes high[4];
    for (int i = 0; i < 4; ++i) {
        low[i] = _mm_unpacklo_epi16(rows.v[2 * i], rows.v[2 * i + 1]);
        high[i] = _mm_unpackhi_epi16(rows.v[2 * i], rows.v[2 * i + 1]);
    }
    // Columns 0-1, 2-3, 4-5, 6-7 of rows 0..3 (quads 0..3) and of rows 4..7 (quads 4..7).
    const Lanes quads[8] = {
        _mm_unpacklo_epi32(low[0], low[1]),   _mm_unpackhi_epi32(low[0], low[1]),
        _mm_unpacklo_epi32(high[0], high[1]), _mm_unpackhi_epi32(high[0], high[1]),
        _mm_unpacklo_epi32(low[2], low[3]),   _mm_unpackhi_epi32(low[2], low[3]),
        _mm_unpacklo_epi32(high[2], high[3]), _mm_unpackhi_epi32(high[2], high[3]),
    };
    Block columns;
    for (int i = 0; i < 4; ++i) {
        columns.v[2 * i] = _mm_unpacklo_epi64(quads[i], quads[i + 4]);
        columns.v[2 * i + 1] = _mm_unpackhi_epi64(quads[i], quads[i + 4]);
    }
    return columns;
}

OpenCount lane(OpenLanes count, int index) {
    // Lane indices are constants after inlining; extract takes only immediates.
    switch (index) {
        case 0:
            return {static_cast<DigitMask>(_mm_extract_epi16(count.once, 0)),
                    static_cast<DigitMask>(_mm_extract_epi16(count.twice, 0))};
        case 3:
            return {static_cast<DigitMask>(_mm_extract_epi16(count.once, 3)),
                    static_cast<DigitMask>(_mm_extract_epi16(count.twice, 3))};
        default:
            return {static_cast<DigitMask>(_mm_extract_epi16(count.once, 6)),
                    static_cast<DigitMask>(_mm_extract_epi16(count.twice, 6))};
    }
}
#endif

}  // namespace

unsigned digits_open_once_in_boxes(const ExclusionGrid& excluded, UnitMasks& boxes) {
    unsigned due = 0;
    for (int band = 0; band < 3; ++band) {
        const OpenCount last_column = column_of_band(excluded, band, 8);
#if CELLWRIGHT_SSE2
        // Down the columns of the band, with column 8 folded into lane 7; then across the
        // three columns of each box: lane 3s gathers lanes 3s + 1 and 3s + 2, and so lane 6
        // holds columns 6, 7 and 8.
        OpenLanes columns{_mm_insert_epi16(_mm_setzero_si128(), last_column.once, 7),
                          _mm_insert_epi16(_mm_setzero_si128(), last_column.twice, 7)};
        for (int row = 0; row < 3; ++row) {
            columns = add_open(columns, open_lanes(excluded, 27 * band + 9 * row));
        }
        const Lanes once = exactly_once(
            merge(merge(columns, from_lane_plus<1>(columns)), from_lane_plus<2>(columns)));
        boxes[3 * band] = static_cast<DigitMask>(_mm_extract_epi16(once, 0));
        boxes[3 * band + 1] = static_cast<DigitMask>(_mm_extract_epi16(once, 3));
        boxes[3 * band + 2] = static_cast<DigitMask>(_mm_extract_epi16(once, 6));
        // Two flag bits per lane; those of lanes 0, 3 and 6 are bits 0, 6 and 12.
        const auto some =
            ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(once, _mm_setzero_si128())));
        due |= ((some & 1u) | (some >> 5 & 2u) | (some >> 10 & 4u)) << (3 * band);
#else
        for (int stack = 0; stack < 3; ++stack) {
            OpenCount box = column_of_band(excluded, band, 3 * stack);
            box = merge(box, column_of_band(excluded, band, 3 * stack + 1));
            box = merge(box,
                        stack == 2 ? last_column : column_of_band(excluded, band, 3 * stack + 2));
            boxes[3 * band + stack] = exactly_once(box);
            due |= boxes[3 * band + stack] != 0 ? 1u << (3 * band + stack) : 0u;
        }
#endif
    }
    return due;
}

unsigned digits_open_once_in_lines(const ExclusionGrid& excluded, UnitMasks& columns,
                                   UnitMasks& rows) {
    OpenCount last_column;
    for (int row = 0; row < 9; ++row) {
        last_column = add_open(last_column, candidates_of(excluded[9 * row + 8]));
    }
    columns[8] = exactly_once(last_column);
#if CELLWRIGHT_SSE2
    // Columns 0..7 are counted down the nine rows. Rows 0..7 are counted down too, after
    // turning the 8x8 block of their columns 0..7 on its side (lane r of vector c = row r,
    // column c), with column 8 gathered into one vector; row 8 is counted across.
    Block open;
    OpenLanes down{};
    for (int row = 0; row < 8; ++row) {
        open.v[row] = open_lanes(excluded, 9 * row);
        down = add_open(down, open.v[row]);
    }
    const Lanes last_row = open_lanes(excluded, 72);
    down = add_open(down, last_row);
    OpenLanes across{};
    const Block columns_of_rows = transposed(open);
    for (const Lanes column : columns_of_rows.v) {
        across = add_open(across, column);
    }
    across = add_open(across, _mm_setr_epi16(static_cast<short>(last_column_open(excluded, 0)),
                                             static_cast<short>(last_column_open(excluded, 1)),
                                             static_cast<short>(last_column_open(excluded, 2)),
                                             static_cast<short>(last_column_open(excluded, 3)),
                                             static_cast<short>(last_column_open(excluded, 4)),
                                             static_cast<short>(last_column_open(excluded, 5)),
                                             static_cast<short>(last_column_open(excluded, 6)),
                                             static_cast<short>(last_column_open(excluded, 7))));
    const Lanes rows_once = exactly_once(across);
    const Lanes columns_once = exactly_once(down);
    _mm_storeu_si128(reinterpret_cast<Lanes*>(rows.data()), rows_once);
    _mm_storeu_si128(reinterpret_cast<Lanes*>(columns.data()), columns_once);
    // Row 8 across: lane 0 gathers lanes 0..7 in three halvings, then column 8.
    OpenLanes row8{last_row, _mm_setzero_si128()};
    row8 = merge(row8, from_lane_plus<1>(row8));
    row8 = merge(row8, from_lane_plus<2>(row8));
    row8 = merge(row8, from_lane_plus<4>(row8));
    rows[8] =
        exactly_once(merge(lane(row8, 0), add_open(OpenCount{}, last_column_open(excluded, 8))));
    // One flag byte per lane k: column k or row k has a digit open once.
    const Lanes quiet = _mm_cmpeq_epi16(_mm_or_si128(rows_once, columns_once), _mm_setzero_si128());
    const unsigned due =
        ~static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(quiet, quiet))) & 0xFF;
    return due | ((columns[8] | rows[8]) != 0 ? 1u << 8 : 0u);
#else
    for (int row = 0; row < 9; ++row) {
        OpenCount count;
        for (int column = 0; column < 9; ++column) {
            count = add_open(count, candidates_of(excluded[9 * row + column]));
        }
        rows[row] = exactly_once(count);
    }
    for (int column = 0; column < 8; ++column) {
        OpenCount count;
        for (int row = 0; row < 9; ++row) {
            count = add_open(count, candidates_of(excluded[9 * row + column]));
        }
        columns[column] = exactly_once(count);
    }
    unsigned due = 0;
    for (int k = 0; k < 9; ++k) {
        due |= (columns[k] | rows[k]) != 0 ? 1u << k : 0u;
    }
    return due;
#endif
}

int first_single_candidate_cell(const ExclusionGrid& excluded, int from) {
    // A single candidate is a non-zero mask that shares no bit with itself minus one.
    const auto is_single = [](DigitMask open) { return (open != 0) & ((open & (open - 1)) == 0); };
#if CELLWRIGHT_SSE2
    const Lanes all_digits = _mm_set1_epi16(ALL_DIGITS);
    const Lanes one = _mm_set1_epi16(1);
    const Lanes zero = _mm_setzero_si128();
    const auto single_lanes = [&](int first) {
        const Lanes words =
            _mm_loadu_si128(reinterpret_cast<const Lanes*>(excluded.data() + first));
        const Lanes open = _mm_andnot_si128(words, all_digits);
        return _mm_andnot_si128(
            _mm_cmpeq_epi16(open, zero),
            _mm_cmpeq_epi16(_mm_and_si128(open, _mm_sub_epi16(open, one)), zero));
    };
    // One flag bit per cell for the whole grid, sixteen cells a step: a fixed number of steps,
    // where stopping at the first group with a flag would branch on the grid. Cells 0..63 go to
    // `low`, 64..79 and 80 to `high`; the cells before `from` are dropped.
    std::uint64_t low = 0;
    for (int first = 0; first < 64; first += 16) {
        low |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(
                   _mm_packs_epi16(single_lanes(first), single_lanes(first + 8)))))
               << first;
    }
    // Bit 17 of `high` stands for CELL_COUNT, the answer when no flag is left.
    std::uint64_t high =
        static_cast<unsigned>(
            _mm_movemask_epi8(_mm_packs_epi16(single_lanes(64), single_lanes(72)))) |
        static_cast<unsigned>(is_single(candidates_of(excluded[80]))) << 16 | 1u << 17;
    // Shifts by 64 or more are undefined: `from` is 0..81.
    low &= from < 64 ? ~std::uint64_t{0} << from : 0;
    high &= from < 64 ? ~std::uint64_t{0} : ~std::uint64_t{0} << (from - 64);
    // `high` is taken when `low` is empty, chosen by a mask rather than a branch.
    const std::uint64_t take_high = std::uint64_t{0} - static_cast<std::uint64_t>(low == 0);
    return std::countr_zero((low & ~take_high) | (high & take_high)) +
           static_cast<int>(take_high & 64);
#else
    for (int cell = from; cell < CELL_COUNT; ++cell) {
        if (is_single(candidates_of(excluded[cell]))) {
            return cell;
        }
    }
    return CELL_COUNT;
#endif
}

}  // namespace cellwright
