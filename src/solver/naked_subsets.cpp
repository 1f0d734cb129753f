#include "solver/naked_subsets.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

#include "solver/locked_candidates.hpp"
#include "solver/singles.hpp"

namespace cellwright {
namespace {

// Positions 0..8 of the unit's empty cells whose candidate count lies in [fewest, most].
// Built once per unit call on purpose: a cell that reaches the count later is not added.
struct QualifyingCells {
    std::array<int, 9> positions{};
    int size = 0;
};

QualifyingCells qualifying_cells(const PlacedGrid& placed, const ExclusionGrid& excluded,
                                 int first_cell, const UnitOffsets& offsets, int fewest, int most) {
    QualifyingCells list;
    for (int position = 0; position < 9; ++position) {
        const int cell = first_cell + offsets[position];
        const int count = digit_count(candidates_of(excluded[cell]));
        if (placed[cell] == 0 && count >= fewest && count <= most) {
            list.positions[list.size++] = position;
        }
    }
    return list;
}

// Excludes `digits` from every cell of the unit outside the subset of positions `keep`. True
// when some cell lost a candidate it still had.
bool exclude_outside(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                     unsigned keep, DigitMask digits) {
    DigitMask lost = 0;
    for (int position = 0; position < 9; ++position) {
        if ((keep >> position & 1u) == 0) {
            DigitMask& word = excluded[first_cell + offsets[position]];
            lost |= static_cast<DigitMask>(digits & ~word);
            word |= digits;
        }
    }
    return lost != 0;
}

// Cells whose candidate count lies in a range, one 27-bit word per band of three rows:
// cell (row, column) is bit 9 * (row % 3) + column of word row / 3.
//
//   band word:  row 3b+2: bits 18..26 | row 3b+1: bits 9..17 | row 3b: bits 0..8
//
// Rows and boxes lie inside one word; a column takes one bit triple from each.
using BandBits = std::array<std::uint32_t, 3>;

constexpr std::uint32_t COLUMN_IN_BAND = 1u | 1u << 9 | 1u << 18;
constexpr std::uint32_t BOX_IN_BAND = 0x7u | 0x7u << 9 | 0x7u << 18;

// Candidate count of every cell in 16-bit lanes with shifts and adds only, so that the
// compiler can run the loop on vector registers of the baseline target (one table load per
// cell cannot be).
std::uint16_t lane_digit_count(DigitMask excluded_word) {
    auto c = static_cast<std::uint16_t>(~excluded_word & ALL_DIGITS);
    c = static_cast<std::uint16_t>(c - ((c >> 1) & 0x5555));
    c = static_cast<std::uint16_t>((c & 0x3333) + ((c >> 2) & 0x3333));
    c = static_cast<std::uint16_t>((c + (c >> 4)) & 0x0F0F);
    return static_cast<std::uint16_t>((c & 0xFF) + (c >> 8));
}

// Eight bytes of 0 or 1 (the first in the lowest byte) as eight bits: the multiplier moves
// byte i to bit 56 + i, and no two partial products meet, so nothing carries.
std::uint32_t pack_flags(const std::uint8_t* flags) {
    std::uint64_t word;
    std::memcpy(&word, flags, sizeof word);
    if constexpr (std::endian::native != std::endian::little) {
        word = 0;
        for (int i = 0; i < 8; ++i) {
            word |= std::uint64_t{flags[i]} << (8 * i);
        }
    }
    return static_cast<std::uint32_t>((word * 0x0102040810204080ULL) >> 56);
}

// Bytes of 0 or 1, one per cell (padded to 96), as band words.
using CellFlags = std::array<std::uint8_t, 96>;

BandBits band_bits(const CellFlags& flags) {
    BandBits bands{};
    for (int band = 0; band < 3; ++band) {
        const std::uint8_t* first = flags.data() + 27 * band;
        bands[band] = (pack_flags(first) | pack_flags(first + 8) << 8 |
                       pack_flags(first + 16) << 16 | pack_flags(first + 24) << 24) &
                      0x7FFFFFFu;
    }
    return bands;
}

BandBits cells_with_counts(const ExclusionGrid& excluded, int fewest, int most) {
    // Zero past cell 80, where the last band's fourth group of eight reads.
    alignas(16) CellFlags flags{};
    const auto low = static_cast<std::uint16_t>(fewest);
    const auto span = static_cast<std::uint16_t>(most - fewest);
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        flags[cell] = static_cast<std::uint8_t>(
            static_cast<std::uint16_t>(lane_digit_count(excluded[cell]) - low) <= span);
    }
    return band_bits(flags);
}

// Cells whose exclusion word differs from the quiet sweep's; every cell when none is known.
BandBits cells_changed_since(const ExclusionGrid& excluded, const QuietSweep* quiet) {
    if (quiet == nullptr || !quiet->known) {
        return {0x7FFFFFFu, 0x7FFFFFFu, 0x7FFFFFFu};
    }
    alignas(16) CellFlags flags{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        flags[cell] = static_cast<std::uint8_t>(excluded[cell] != quiet->excluded[cell]);
    }
    return band_bits(flags);
}

std::uint32_t row_bits(const BandBits& bands, int row) {
    return bands[row / 3] >> (9 * (row % 3)) & ALL_DIGITS;
}

std::uint32_t column_bits(const BandBits& bands, int column) {
    return (bands[0] >> column & COLUMN_IN_BAND) | (bands[1] >> column & COLUMN_IN_BAND) << 1 |
           (bands[2] >> column & COLUMN_IN_BAND) << 2;
}

std::uint32_t box_bits(const BandBits& bands, int box) {
    return bands[box / 3] & BOX_IN_BAND << (3 * (box % 3));
}

// True when `bits` has at least `n` (1..3) bits set.
bool at_least(std::uint32_t bits, int n) {
    for (int k = 1; k < n; ++k) {
        bits &= bits - 1;
    }
    return bits != 0;
}

using UnitTechnique = bool (*)(PlacedGrid&, ExclusionGrid&, int, const UnitOffsets&);

// Which cells a unit technique lists, and how many it needs before it can act.
struct SubsetShape {
    UnitTechnique technique;
    int fewest_candidates;
    int most_candidates;
    int cells;
};

// One sweep over the 27 units in the order row u, column u, box u for u = 0..8. True when
// some exclusion bit was newly set.
//
// A unit whose cells with the listed candidate counts are fewer than the subset size returns
// at once without a write, so it is skipped. The bands are taken before the first unit and
// retaken after every unit that set a bit: between two such units nothing changes, so the
// bands hold every cell the skipped unit's own list would have held (the list also demands
// an empty cell, so it can only be shorter). With `quiet`, a unit none of whose cells changed
// since the last quiet sweep is skipped as well (see QuietSweep), and a sweep that sets no
// bit becomes the new quiet sweep.
bool sweep_units(PlacedGrid& placed, ExclusionGrid& excluded, const SubsetShape& shape,
                 QuietSweep* quiet) {
    const auto listed = [&] {
        return cells_with_counts(excluded, shape.fewest_candidates, shape.most_candidates);
    };
    BandBits bands = listed();
    BandBits changed_cells = cells_changed_since(excluded, quiet);
    bool changed = false;
    // Only a listed cell that changed can make a subset write something new, so a unit
    // without one is skipped (see QuietSweep); after a digit is placed most units have none.
    const auto visit = [&](auto unit_bits, int u, int first_cell, const UnitOffsets& offsets) {
        const std::uint32_t listed_cells = unit_bits(bands, u);
        if ((unit_bits(changed_cells, u) & listed_cells) != 0 &&
            at_least(listed_cells, shape.cells) &&
            shape.technique(placed, excluded, first_cell, offsets)) {
            changed = true;
            bands = listed();
            changed_cells = cells_changed_since(excluded, quiet);
        }
    };
    for (int u = 0; u < 9; ++u) {
        visit(row_bits, u, 9 * u, ROW_OFFSETS);
        visit(column_bits, u, u, COLUMN_OFFSETS);
        visit(box_bits, u, BOX_ORIGINS[u], BOX_OFFSETS);
    }
    if (!changed && quiet != nullptr) {
        quiet->excluded = excluded;
        quiet->known = true;
    }
    return changed;
}

// The unit techniques proper; true when some cell lost a candidate, which the sweeps use
// instead of a snapshot.
bool naked_pairs_in_unit(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                         const UnitOffsets& offsets) {
    const QualifyingCells list = qualifying_cells(placed, excluded, first_cell, offsets, 2, 2);
    bool changed = false;
    for (int i = 0; i < list.size; ++i) {
        const int cell_i = first_cell + offsets[list.positions[i]];
        for (int j = i + 1; j < list.size; ++j) {
            const int cell_j = first_cell + offsets[list.positions[j]];
            // Read afresh: an earlier pair of this call may have narrowed either cell.
            const DigitMask pair_union = candidates_of(excluded[cell_i] & excluded[cell_j]);
            if (digit_count(pair_union) == 2) {
                const unsigned keep = 1u << list.positions[i] | 1u << list.positions[j];
                changed |= exclude_outside(excluded, first_cell, offsets, keep, pair_union);
            }
        }
    }
    return changed;
}

bool naked_triples_in_unit(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                           const UnitOffsets& offsets) {
    const QualifyingCells list = qualifying_cells(placed, excluded, first_cell, offsets, 2, 3);
    bool changed = false;
    for (int i = 0; i < list.size; ++i) {
        const int cell_i = first_cell + offsets[list.positions[i]];
        for (int j = i + 1; j < list.size; ++j) {
            const int cell_j = first_cell + offsets[list.positions[j]];
            // Triples (i, j, k) only write outside i and j, so this pair's words hold still
            // for the whole k loop; a pair with more than three digits ends it early.
            const DigitMask pair_excluded = excluded[cell_i] & excluded[cell_j];
            if (digit_count(candidates_of(pair_excluded)) > 3) {
                continue;
            }
            for (int k = j + 1; k < list.size; ++k) {
                const int cell_k = first_cell + offsets[list.positions[k]];
                const DigitMask triple_union = candidates_of(pair_excluded & excluded[cell_k]);
                if (digit_count(triple_union) == 3) {
                    const unsigned keep =
                        1u << list.positions[i] | 1u << list.positions[j] | 1u << list.positions[k];
                    changed |= exclude_outside(excluded, first_cell, offsets, keep, triple_union);
                }
            }
        }
    }
    return changed;
}

constexpr SubsetShape NAKED_PAIRS{naked_pairs_in_unit, 2, 2, 2};
constexpr SubsetShape NAKED_TRIPLES{naked_triples_in_unit, 2, 3, 3};

}  // namespace

void unit_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets) {
    naked_pairs_in_unit(placed, excluded, first_cell, offsets);
}

void unit_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets) {
    naked_triples_in_unit(placed, excluded, first_cell, offsets);
}

// Bits of `excluded` are only ever set, so "some bit newly set" is the same test as comparing
// the grid with a snapshot taken before the sweep, without the copy.
void apply_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    while (sweep_units(placed, excluded, NAKED_PAIRS, nullptr)) {
        ++counters.naked_pair_sweeps;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
        apply_naked_singles(placed, excluded, counters);
        apply_line_singles(placed, excluded, counters);
    }
}

void run_drivers_below_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded,
                                     TechniqueCounters& counters) {
    repeat_box_singles(placed, excluded, counters);
    apply_locked_candidates(placed, excluded, counters);
    apply_naked_singles(placed, excluded, counters);
    apply_line_singles(placed, excluded, counters);
    apply_naked_pairs(placed, excluded, counters);
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                         QuietSweep& quiet) {
    while (sweep_units(placed, excluded, NAKED_TRIPLES, &quiet)) {
        ++counters.naked_triple_sweeps;
        run_drivers_below_naked_triples(placed, excluded, counters);
    }
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    QuietSweep quiet;
    apply_naked_triples(placed, excluded, counters, quiet);
}

}  // namespace cellwright
