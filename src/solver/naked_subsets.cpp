#include "solver/naked_subsets.hpp"

#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/geometry.hpp"
#include "grid/sse2.hpp"
#include "solver/locked_candidates.hpp"
#include "solver/singles.hpp"

namespace cellwright {
namespace {

// The unit's listed cells, ascending by position, with their exclusion words. The loops over
// pairs and triples read the words here instead of going through the offset table each time;
// `reload` brings them up to date after a subset has written to the unit. Each cell's
// position is kept as its bit (1 << position), so that a subset's cells are ORed together.
struct ListedCells {
    std::array<unsigned, 9> bits;
    std::array<int, 9> cells;
    std::array<DigitMask, 9> words;
    int size = 0;

    ListedCells(const ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                unsigned listed) {
        // Counted in a local: the arrays' stores then need not be read back for the count.
        int count = 0;
        for (; listed != 0; listed &= listed - 1) {
            const int cell = first_cell + offsets[std::countr_zero(listed)];
            bits[count] = lowest_bit(listed);
            cells[count] = cell;
            words[count] = excluded[cell];
            ++count;
        }
        size = count;
    }

    void reload(const ExclusionGrid& excluded) {
        for (int i = 0; i < size; ++i) {
            words[i] = excluded[cells[i]];
        }
    }
};

// Bit p set for each position p of the unit's empty cells whose candidate count lies in
// [fewest, most]. Taken once per unit call on purpose: a cell that reaches the count later is
// not added.
unsigned qualifying_cells(const PlacedGrid& placed, const ExclusionGrid& excluded, int first_cell,
                          const UnitOffsets& offsets, int fewest, int most) {
    unsigned listed = 0;
    for (int position = 0; position < 9; ++position) {
        const int cell = first_cell + offsets[position];
        const int count = digit_count(candidates_of(excluded[cell]));
        if (placed[cell] == 0 && count >= fewest && count <= most) {
            listed |= 1u << position;
        }
    }
    return listed;
}

// Excludes `digits` from every cell of the unit outside the subset of positions `keep`. True
// when some cell lost a candidate it still had.
bool exclude_outside(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                     unsigned keep, DigitMask digits) {
    // Most subsets found were found before and have nothing left to write (three in four in
    // a generation run), so the unit is read first and written only when a cell loses a digit.
    // Neither pass branches on which cells the subset keeps (that depends on the grid and was
    // mispredicted about once a call): a kept cell's digits are masked to none.
    const auto outside_digits = [&](int position) {
        return static_cast<DigitMask>(digits & ((keep >> position & 1u) - 1u));
    };
    DigitMask lost = 0;
    for (int position = 0; position < 9; ++position) {
        lost |= static_cast<DigitMask>(outside_digits(position) &
                                       ~excluded[first_cell + offsets[position]]);
    }
    if (lost == 0) {
        return false;
    }
    for (int position = 0; position < 9; ++position) {
        excluded[first_cell + offsets[position]] |= outside_digits(position);
    }
    return true;
}

// What one look at the 81 words of a grid finds: the cells whose candidate count lies in
// [fewest, most], and those of them whose word differs from an earlier grid's (all of them
// when there is none). The listed cells are wanted by unit, so as band words; the fresh ones
// are wanted cell by cell, so in cell order.
struct CellScan {
    BandWords listed;
    CellBits fresh;
};

#if CELLWRIGHT_SSE2
// Sixteen cells at a time, eight per vector of 16-bit lanes; each test gives 0xFFFF or 0 per
// lane, and one movemask takes sixteen results as bits.
template <int fewest, int most>
CellScan scan_cells(const ExclusionGrid& excluded, const ExclusionGrid* earlier) {
    // Setting the lowest clear bit of an exclusion word (w | (w + 1)) rules out the cell's
    // lowest candidate. After `most` such steps a cell with c <= most candidates has bits
    // 0..(8 + most - c) all set and nothing above them, and a cell with more than `most`
    // still has a clear bit among 0..8. So c lies in [fewest, most] exactly when setting
    // bits 9..(8 + most - fewest) as well gives bits 0..(8 + most - fewest) and nothing else.
    constexpr int SPREAD = most - fewest;
    const __m128i one = _mm_set1_epi16(1);
    const __m128i top = _mm_set1_epi16(static_cast<short>(((1 << SPREAD) - 1) << 9));
    const __m128i in_range = _mm_set1_epi16(static_cast<short>((1 << (9 + SPREAD)) - 1));
    const auto listed = [&](__m128i words) {
        for (int step = 0; step < most; ++step) {
            words = _mm_or_si128(words, _mm_add_epi16(words, one));
        }
        return _mm_cmpeq_epi16(_mm_or_si128(words, top), in_range);
    };
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
        listed_bits[first / 64] |= bits(listed(words), listed(next_words)) << (first & 63);
        if (earlier != nullptr) {
            same_bits[first / 64] |=
                bits(_mm_cmpeq_epi16(words, load(earlier->data() + first)),
                     _mm_cmpeq_epi16(next_words, load(earlier->data() + first + 8)))
                << (first & 63);
        }
    }
    const int last_count = digit_count(candidates_of(excluded[80]));
    listed_bits[1] |= std::uint64_t{last_count >= fewest && last_count <= most} << 16;
    const BandWords listed_bands = band_words(listed_bits[0], listed_bits[1]);
    if (earlier == nullptr) {
        return {listed_bands, {listed_bits[0], listed_bits[1]}};
    }
    same_bits[1] |= std::uint64_t{excluded[80] == (*earlier)[80]} << 16;
    return {listed_bands, {listed_bits[0] & ~same_bits[0], listed_bits[1] & ~same_bits[1]}};
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
    return {band_words(listed_bits[0], listed_bits[1]), fresh};
}
#endif

// Where a sweep finds a unit: its cells in the grid, and its cells in the band words. Each
// band word, shifted down by `shift` and masked, keeps the unit's cells in it, and multiplying
// by `multiplier` and shifting down by `down` puts them in the order of the offset table;
// `outs` keeps those bits alone. A row or a box lies in one band word (the others' masks are
// 0); a column takes one bit triple from each. The same steps for every kind of unit: a
// branch on the kind would be mispredicted about every other visit.
//
//   row:    its nine bits, times 1 << 12, down by 12.
//   box:    groups at 0, 9, 18 times (1 << 12 | 1 << 6 | 1) land at 12, 15, 18; the other six
//           copies land at 0, 6, 9, 21, 24 and 30, apart from them and from each other, so
//           nothing carries into bits 12-20; down by 12.
//   column: rows 3b, 3b + 1, 3b + 2 at bits 0, 9, 18 times 0x20202000 gain copies shifted up
//           by 29, 21 and 13, which puts the three at bits 29, 30, 31, every other copy on a
//           bit of its own below them; down by 29 - 3b puts them at 3b.
struct SweepUnit {
    const UnitOffsets* offsets;
    std::uint8_t first_cell;
    std::uint8_t shift;
    std::array<std::uint8_t, 3> down;
    std::uint32_t multiplier;
    std::array<std::uint32_t, 3> masks;
    std::array<std::uint16_t, 3> outs;
};

constexpr std::uint32_t COLUMN_GATHER = 0x20202000u;

// The 27 units in the order of a sweep: row u, column u, box u for u = 0..8.
constexpr std::array<SweepUnit, 27> SWEEP_UNITS = [] {
    std::array<SweepUnit, 27> units{};
    for (int u = 0; u < 9; ++u) {
        const int band = u / 3;
        SweepUnit row{&ROW_OFFSETS,
                      static_cast<std::uint8_t>(9 * u),
                      static_cast<std::uint8_t>(9 * (u % 3)),
                      {12, 12, 12},
                      1u << 12,
                      {},
                      {}};
        row.masks[band] = ALL_DIGITS;
        row.outs[band] = ALL_DIGITS;
        SweepUnit column{&COLUMN_OFFSETS,
                         static_cast<std::uint8_t>(u),
                         static_cast<std::uint8_t>(u),
                         {29, 26, 23},
                         COLUMN_GATHER,
                         {BAND_COLUMN, BAND_COLUMN, BAND_COLUMN},
                         {7, 7 << 3, 7 << 6}};
        SweepUnit box{&BOX_OFFSETS,
                      static_cast<std::uint8_t>(BOX_ORIGINS[u]),
                      static_cast<std::uint8_t>(3 * (u % 3)),
                      {12, 12, 12},
                      1u << 12 | 1u << 6 | 1u,
                      {},
                      {}};
        box.masks[band] = BAND_BOX;
        box.outs[band] = ALL_DIGITS;
        units[3 * u] = row;
        units[3 * u + 1] = column;
        units[3 * u + 2] = box;
    }
    return units;
}();

// The listed cells of a unit as bit p for its position p (the order of its offset table).
std::uint32_t unit_bits(const BandWords& bands, const SweepUnit& unit) {
    std::uint32_t bits = 0;
    for (int band = 0; band < 3; ++band) {
        bits |=
            ((bands[band] >> unit.shift & unit.masks[band]) * unit.multiplier) >> unit.down[band] &
            unit.outs[band];
    }
    return bits;
}

// Bit i of a 9-bit mask moved to bit 3i.
constexpr std::array<std::uint32_t, 512> EVERY_THIRD_BIT = [] {
    std::array<std::uint32_t, 512> spread{};
    for (unsigned mask = 0; mask < 512; ++mask) {
        for (unsigned bit = 0; bit < 9; ++bit) {
            spread[mask] |= (mask >> bit & 1u) << (3 * bit);
        }
    }
    return spread;
}();

// The units holding at least `least` (2 or 3) of `cells`, one bit each in sweep order. Counted
// for all units at once without branches: rows by the digit-count table, columns and boxes by
// counters one bit per column that saturate ("one or more", "two or more", "three or more").
template <int least>
std::uint32_t units_holding_at_least(const BandWords& cells) {
    std::uint32_t rows = 0;
    std::uint32_t boxes = 0;
    std::uint32_t one = 0;  // columns, over the bands so far
    std::uint32_t two = 0;
    std::uint32_t three = 0;
    for (int band = 0; band < 3; ++band) {
        const std::uint32_t word = cells[band];
        std::uint32_t band_one = 0;  // columns, over this band's rows
        std::uint32_t band_two = 0;
        std::uint32_t band_three = 0;
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t row = word >> (9 * k) & ALL_DIGITS;
            rows |= static_cast<std::uint32_t>(DIGIT_COUNTS[row] >= least) << (3 * band + k);
            band_three |= band_two & row;
            band_two |= band_one & row;
            band_one |= row;
        }
        three |= band_three | (two & band_one) | (one & band_two);
        two |= band_two | (one & band_one);
        one |= band_one;
        // A box's three columns sit at bits 3k, 3k + 1, 3k + 2; its count lands at bit 3k.
        const std::uint32_t o = band_one;
        const std::uint32_t t = band_two;
        std::uint32_t box_bits = 0;
        if constexpr (least == 2) {
            box_bits = t | t >> 1 | t >> 2 | (o & (o >> 1 | o >> 2)) | (o >> 1 & o >> 2);
        } else {
            const std::uint32_t h = band_three;
            box_bits = h | h >> 1 | h >> 2 | (t & (o >> 1 | o >> 2)) | (t >> 1 & (o | o >> 2)) |
                       (t >> 2 & (o | o >> 1)) | (o & o >> 1 & o >> 2);
        }
        boxes |= ((box_bits & 1u) | (box_bits >> 2 & 2u) | (box_bits >> 4 & 4u)) << (3 * band);
    }
    const std::uint32_t columns = least == 2 ? two : three;
    return EVERY_THIRD_BIT[rows] | EVERY_THIRD_BIT[columns] << 1 | EVERY_THIRD_BIT[boxes] << 2;
}

// The units of each cell, one bit each in the order of a sweep: bit 3u for row u, 3u + 1 for
// column u, 3u + 2 for box u.
constexpr std::array<std::uint32_t, CELL_COUNT> UNITS_OF_CELL = [] {
    std::array<std::uint32_t, CELL_COUNT> units{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        units[cell] = 1u << (3 * row_of(cell)) | 1u << (3 * column_of(cell) + 1) |
                      1u << (3 * box_of(cell) + 2);
    }
    return units;
}();

// The units holding at least one of `cells`, in the order of a sweep, so that a sweep visits
// only these instead of testing all 27. Looked up cell by cell: the fresh cells a sweep asks
// about are few (about two after a placement), and even after a cascade this measured cheaper
// than finding the units of all three bands at once.
std::uint32_t units_holding(const CellBits& cells) {
    std::uint32_t units = 0;
    for_each_bit(cells[0], [&](int cell) { units |= UNITS_OF_CELL[cell]; });
    for_each_bit(cells[1], [&](int cell) { units |= UNITS_OF_CELL[64 + cell]; });
    return units;
}

using UnitTechnique = bool (*)(ExclusionGrid&, int, const UnitOffsets&, unsigned listed);

// Which cells a unit technique lists, and how many it needs before it can act.
struct SubsetShape {
    UnitTechnique technique;
    int fewest_candidates;
    int most_candidates;
    int cells;
};

// What a unit technique does when its listed cells form a single subset of `size` cells.
bool only_subset_in_unit(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                         unsigned listed, int size) {
    DigitMask subset_excluded = ALL_DIGITS;
    for_each_bit(
        listed, [&](int position) { subset_excluded &= excluded[first_cell + offsets[position]]; });
    const DigitMask subset_union = candidates_of(subset_excluded);
    return digit_count(subset_union) == size &&
           exclude_outside(excluded, first_cell, offsets, listed, subset_union);
}

// The unit techniques proper (below); true when some cell lost a candidate.
bool naked_pairs_in_unit(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                         unsigned listed);
bool naked_triples_in_unit(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                           unsigned listed);

constexpr SubsetShape NAKED_PAIRS{naked_pairs_in_unit, 2, 2, 2};
constexpr SubsetShape NAKED_TRIPLES{naked_triples_in_unit, 2, 3, 3};

// One sweep over the 27 units in the order row u, column u, box u for u = 0..8. True when
// some exclusion bit was newly set.
//
// The bands are taken before the first unit and retaken after every unit that set a bit:
// between two such units nothing changes, so a unit's bits of the bands are exactly the list
// it would take itself (a filled cell's word is ALL_DIGITS, zero candidates, so "empty" adds
// nothing), and the unit is handed them instead of listing its cells again. A unit with fewer
// listed cells than the subset size could write nothing, so it is skipped. With `quiet`, a unit
// none of whose listed cells changed since the last quiet sweep is skipped as well (see
// QuietSweep), and a sweep that sets no bit becomes the new quiet sweep.
//
// A template on the shape, so that its counts and unit technique are constants of each sweep.
template <const SubsetShape& shape>
bool sweep_units(ExclusionGrid& excluded, QuietSweep* quiet) {
    const ExclusionGrid* earlier = quiet != nullptr && quiet->known ? &quiet->excluded : nullptr;
    bool changed = false;
    // Units below bit `next` are done for this sweep. Each pass of the outer loop looks at the
    // grid afresh and visits the due units from `next` on until one of them writes.
    for (std::uint32_t next = 0; next < 27;) {
        const CellScan scan =
            scan_cells<shape.fewest_candidates, shape.most_candidates>(excluded, earlier);
        // Only a listed cell that changed can make a subset write something new (see
        // QuietSweep); after a digit is placed most units have none.
        std::uint32_t due = units_holding(scan.fresh) >> next << next;
        // A unit with fewer listed cells than the subset size has no subset to look at. Most
        // due units are such; leaving them out at once spares the loop below its hardest to
        // predict branches.
        if (due != 0) {
            due &= units_holding_at_least<shape.cells>(scan.listed);
        }
        next = 27;
        while (due != 0) {
            const int unit = pop_lowest(due);
            const SweepUnit& where = SWEEP_UNITS[unit];
            const std::uint32_t listed_cells = unit_bits(scan.listed, where);
            // Listed cells are at most nine bits, so the digit-count table counts them. With
            // exactly as many listed cells as the subset size (the commonest case by far) there
            // is one subset to look at.
            const int listed_count = DIGIT_COUNTS[listed_cells];
            if (listed_count >= shape.cells &&
                (listed_count == shape.cells
                     ? only_subset_in_unit(excluded, where.first_cell, *where.offsets, listed_cells,
                                           shape.cells)
                     : shape.technique(excluded, where.first_cell, *where.offsets, listed_cells))) {
                changed = true;
                next = static_cast<std::uint32_t>(unit) + 1;
                break;
            }
        }
    }
    if (!changed && quiet != nullptr) {
        quiet->excluded = excluded;
        quiet->known = true;
    }
    return changed;
}

// The unit techniques proper; true when some cell lost a candidate, which the sweeps use
// instead of a snapshot.
bool naked_pairs_in_unit(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                         unsigned listed) {
    ListedCells list(excluded, first_cell, offsets, listed);
    bool changed = false;
    for (int i = 0; i < list.size; ++i) {
        for (int j = i + 1; j < list.size; ++j) {
            const DigitMask pair_union = candidates_of(list.words[i] & list.words[j]);
            if (digit_count(pair_union) == 2) {
                const unsigned keep = list.bits[i] | list.bits[j];
                if (exclude_outside(excluded, first_cell, offsets, keep, pair_union)) {
                    // Later pairs read the narrowed cells afresh.
                    list.reload(excluded);
                    changed = true;
                }
            }
        }
    }
    return changed;
}

// For four listed cells (the next commonest case after three): whether one of the four
// triples, each leaving one cell out, has a union of three digits. Without one the unit has
// no naked triple and writes nothing.
bool four_cells_hold_a_triple(const ExclusionGrid& excluded, int first_cell,
                              const UnitOffsets& offsets, unsigned listed) {
    std::array<DigitMask, 4> open{};
    for (DigitMask& cell_open : open) {
        cell_open = candidates_of(excluded[first_cell + offsets[pop_lowest(listed)]]);
    }
    const auto first_two = static_cast<DigitMask>(open[0] | open[1]);
    const auto last_two = static_cast<DigitMask>(open[2] | open[3]);
    // Bitwise, not short-circuit: four table look-ups cost less than the branches between them.
    return (static_cast<int>(digit_count(first_two | open[2]) == 3) |
            static_cast<int>(digit_count(first_two | open[3]) == 3) |
            static_cast<int>(digit_count(open[0] | last_two) == 3) |
            static_cast<int>(digit_count(open[1] | last_two) == 3)) != 0;
}

bool naked_triples_in_unit(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                           unsigned listed) {
    if (DIGIT_COUNTS[listed] == 4 &&
        !four_cells_hold_a_triple(excluded, first_cell, offsets, listed)) {
        return false;
    }
    ListedCells list(excluded, first_cell, offsets, listed);
    bool changed = false;
    for (int i = 0; i < list.size; ++i) {
        for (int j = i + 1; j < list.size; ++j) {
            // Triples (i, j, k) only write outside i and j, so this pair's words hold still
            // for the whole k loop; a pair with more than three digits ends it early.
            const DigitMask pair_excluded = list.words[i] & list.words[j];
            if (digit_count(candidates_of(pair_excluded)) > 3) {
                continue;
            }
            for (int k = j + 1; k < list.size; ++k) {
                const DigitMask triple_union = candidates_of(pair_excluded & list.words[k]);
                if (digit_count(triple_union) == 3) {
                    const unsigned keep = list.bits[i] | list.bits[j] | list.bits[k];
                    if (exclude_outside(excluded, first_cell, offsets, keep, triple_union)) {
                        list.reload(excluded);
                        changed = true;
                    }
                }
            }
        }
    }
    return changed;
}

}  // namespace

void unit_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets) {
    naked_pairs_in_unit(excluded, first_cell, offsets,
                        qualifying_cells(placed, excluded, first_cell, offsets, 2, 2));
}

void unit_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets) {
    naked_triples_in_unit(excluded, first_cell, offsets,
                          qualifying_cells(placed, excluded, first_cell, offsets, 2, 3));
}

namespace {

// Bits of `excluded` are only ever set, so "some bit newly set" is the same test as comparing
// the grid with a snapshot taken before the sweep, without the copy.
void apply_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                 QuietSweep* quiet) {
    while (sweep_units<NAKED_PAIRS>(excluded, quiet)) {
        ++counters.naked_pair_sweeps;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
        apply_naked_singles(placed, excluded, counters);
        apply_line_singles(placed, excluded, counters);
    }
}

void run_drivers_below_triples(PlacedGrid& placed, ExclusionGrid& excluded,
                               TechniqueCounters& counters, QuietSweep* quiet_pairs) {
    repeat_box_singles(placed, excluded, counters);
    apply_locked_candidates(placed, excluded, counters);
    apply_naked_singles(placed, excluded, counters);
    apply_line_singles(placed, excluded, counters);
    apply_pairs(placed, excluded, counters, quiet_pairs);
}

}  // namespace

void apply_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    apply_pairs(placed, excluded, counters, nullptr);
}

void run_drivers_below_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded,
                                     TechniqueCounters& counters) {
    run_drivers_below_triples(placed, excluded, counters, nullptr);
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                         SweepMemory& memory) {
    while (sweep_units<NAKED_TRIPLES>(excluded, &memory.triples)) {
        ++counters.naked_triple_sweeps;
        run_drivers_below_triples(placed, excluded, counters, &memory.pairs);
    }
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    SweepMemory memory;
    apply_naked_triples(placed, excluded, counters, memory);
}

}  // namespace cellwright
