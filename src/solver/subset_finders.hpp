#pragma once
// Finding naked pairs and triples in one unit and excluding their digits from the unit's other
// cells. A unit is given as its first cell and offset table; its listed cells (the empty ones
// with two candidates for pairs, two or three for triples) as bit p for position p.

#include <array>
#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/grid.hpp"
#include "solver/cell_scan.hpp"

namespace cellwright {
// Private to naked_subsets.cpp; see there.
namespace {

// The unit's listed cells, ascending by position, with their exclusion words. The loops over
// pairs and triples read the words here instead of going through the offset table each time;
// `reload` brings them up to date after a subset has written to the unit. Each cell's
// position is kept as its bit (1 << position), so that a subset's cells are ORed together.
//
// The words take sixteen entries, those after the listed cells 0 (all nine candidates), so
// that one vector holds them all.
struct ListedCells {
    std::array<unsigned, 9> bits;
    std::array<int, 9> cells;
    std::array<DigitMask, 16> words{};
    int size = 0;

    ListedCells(const ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                unsigned listed) {
        // Counted in a local: the arrays' stores then need not be read back for the count.
        int count = 0;
        while (listed != 0) {
            const int position = pop_lowest(listed);
            const int cell = first_cell + offsets[position];
            bits[count] = 1u << position;
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

#if CELLWRIGHT_AVX2
// Bit i set for each listed cell i after cell `after` whose word, ANDed with `word`, leaves a
// candidate count in [fewest, most]: the cells that make a pair (a triple) with the cells of
// `word` whose union has that many digits. The words after the listed ones have all nine.
template <int fewest, int most>
unsigned cells_joining(const ListedCells& list, DigitMask word, int after) {
    const __m256i words = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(list.words.data()));
    const unsigned joining = counts_in_range<fewest, most>(
        _mm256_and_si256(words, _mm256_set1_epi16(static_cast<short>(word))));
    return joining & ~((2u << after) - 1u);
}
#endif

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
    // A subset found again after the sweep that applied it has nothing left to write (its
    // digits stay excluded, as bits are never cleared), so the unit is read first and written
    // only when a cell loses a digit. Neither pass branches on which cells the subset keeps,
    // which depends on the grid: a kept cell's digits are masked to none.
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

// The unit techniques proper, on a unit's listed cells (bit p for position p); true when some
// cell lost a candidate, which the sweeps use instead of a snapshot.
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

// For four listed cells: whether one of the four triples, each leaving one cell out, has a
// union of three digits. Without one the unit has
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
#if CELLWRIGHT_AVX2
    // Triples (i, j, k) in lexicographic order, taken as sets of cells: for each i the cells j
    // whose pair with it has at most three digits, for each such pair the cells k that make
    // exactly three, each set from one vector test instead of a branch per pair and triple. A
    // triple only writes outside i and j, so the pair's words hold still for its k; after a
    // write the later cells k and j are found again from the narrowed words, as the loops below
    // would read them.
    for (int i = 0; i < list.size; ++i) {
        unsigned pairs = cells_joining<0, 3>(list, list.words[i], i);
        while (pairs != 0) {
            const int j = pop_lowest(pairs);
            const DigitMask pair_excluded = list.words[i] & list.words[j];
            unsigned triples = cells_joining<3, 3>(list, pair_excluded, j);
            while (triples != 0) {
                const int k = pop_lowest(triples);
                const DigitMask triple_union = candidates_of(pair_excluded & list.words[k]);
                const unsigned keep = list.bits[i] | list.bits[j] | list.bits[k];
                if (exclude_outside(excluded, first_cell, offsets, keep, triple_union)) {
                    list.reload(excluded);
                    changed = true;
                    triples = cells_joining<3, 3>(list, pair_excluded, k);
                    pairs = cells_joining<0, 3>(list, list.words[i], j);
                }
            }
        }
    }
#else
    // Without AVX2 two SSE2 vectors per test cost more than these loops (measured).
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
#endif
    return changed;
}

}  // namespace
}  // namespace cellwright
