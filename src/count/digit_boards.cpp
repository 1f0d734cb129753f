#include "count/digit_boards.hpp"

#include <bit>

#include "count/board_lanes.hpp"
#include "grid/bits.hpp"
#include "grid/lanes.hpp"

namespace cellwright {
namespace {

// Columns 0..7 and column 8 of each row of a band word (see grid/geometry.hpp).
constexpr std::uint32_t ROW_LOW_EIGHT = 0xFF * BAND_COLUMN;
constexpr std::uint32_t ROW_TOPS = BAND_COLUMN << 8;

// All bits in the first n lanes: which lanes of a check of n digits are real.
constexpr std::array<std::array<std::uint32_t, 4>, 5> TAKEN_LANES{
    {{0, 0, 0, 0}, {~0u, 0, 0, 0}, {~0u, ~0u, 0, 0}, {~0u, ~0u, ~0u, 0}, {~0u, ~0u, ~0u, ~0u}}};

// The cells of a band word in the rows (or boxes) of the band marked by a 3-bit index.
constexpr std::array<std::uint32_t, 8> BAND_ROWS = [] {
    std::array<std::uint32_t, 8> rows{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (unsigned k = 0; k < 3; ++k) {
            rows[marked] |= (marked >> k & 1) != 0 ? BAND_ROW << (9 * k) : 0;
        }
    }
    return rows;
}();
constexpr std::array<std::uint32_t, 8> BAND_BOXES = [] {
    std::array<std::uint32_t, 8> boxes{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (unsigned k = 0; k < 3; ++k) {
            boxes[marked] |= (marked >> k & 1) != 0 ? BAND_BOX << (3 * k) : 0;
        }
    }
    return boxes;
}();

// What a digit placed in a cell takes away from the same digit, as the four lanes of the
// digit's words (the fourth, padding, untouched): its column in every band, its row and box in
// its own band; and the cell's own bit, which it then keeps. Whole lanes are written at once:
// the passes read the words four lanes at a time, and a wide read of words just written one
// by one would have to wait for the writes to reach the cache.
struct CellLanes {
    std::array<std::uint32_t, 4> peers;
    std::array<std::uint32_t, 4> own;
};

constexpr std::array<CellLanes, CELL_COUNT> CELL_LANES = [] {
    std::array<CellLanes, CELL_COUNT> lanes{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int band = cell / 27;
        const int bit = cell % 27;
        const int column = bit % 9;
        for (int other = 0; other < 3; ++other) {
            lanes[cell].peers[other] = BAND_COLUMN << column;
        }
        lanes[cell].peers[band] |= BAND_ROW << (bit / 9 * 9) | BAND_BOX << (column / 3 * 3);
        lanes[cell].own[band] = 1u << bit;
    }
    return lanes;
}();

// For each 9-bit field of a band word with bit 8 standing for the field: bit 8 set where the
// field is not empty. Adding 255 to the low eight bits carries into bit 8 without leaving the
// field.
constexpr std::uint32_t nonempty_rows(std::uint32_t word) {
    return (((word & ROW_LOW_EIGHT) + ROW_LOW_EIGHT) | word) & ROW_TOPS;
}

// A tally of columns moved down by N columns in each lane.
template <int N>
Tally<Lanes> shift_down(Tally<Lanes> tally) {
    return {shift_down<N>(tally.once), shift_down<N>(tally.twice)};
}

// The cells of four digits, one a lane of the three band words `words`, that are the only place
// left for that digit in their row, column or box, in `singles` (same lanes); false when a unit
// has no place for one of them. Rows and boxes are looked at only in the bands marked in
// `bands` (bit b for band b), columns in all. Rows are tested in the band word's 9-bit fields;
// columns and boxes after tallying each band's three rows per column ("some row has it", "two
// or more rows have it"). Nothing shifts, carries or borrows out of a 27-bit band word, so the
// lanes are four independent checks.
bool find_hidden_singles(const std::array<Lanes, 3>& words, std::uint32_t bands,
                         std::array<Lanes, 3>& singles) {
    const Lanes cells = splat(BAND_ROW);
    const Lanes starts = splat(BAND_COLUMN);
    const Lanes tops = splat(ROW_TOPS);
    const Lanes low_eight = splat(ROW_LOW_EIGHT);
    const Lanes stacks = splat(STACK_FIRST_COLUMNS);
    // Bit 8 of each 9-bit field set where the field is not empty (see `nonempty_rows`).
    auto nonempty = [&](Lanes word) { return (((word & low_eight) + low_eight) | word) & tops; };
    // Each 9-bit field whose column 0 is marked, filled: 0x1FF times the marks, as a difference.
    auto whole_rows = [](Lanes marks) { return shift_up<9>(marks) - marks; };
    // Each of columns 0, 3 and 6 marked in a 9-bit row, spread to its stack in all three rows.
    auto whole_columns = [](Lanes marks) {
        return marks | shift_up<9>(marks) | shift_up<18>(marks);
    };
    std::array<Tally<Lanes>, 3> columns;  // per band, over its three rows
    Lanes broken = splat(0);              // bits left where a unit has no place for its digit
    for (int band = 0; band < 3; ++band) {
        const Lanes word = words[band];
        const Tally<Lanes> first_row{word & cells, splat(0)};
        columns[band] =
            tally_add(tally_add(first_row, shift_down<9>(word) & cells), shift_down<18>(word));
        singles[band] = splat(0);
        if ((bands >> band & 1) == 0) {
            continue;  // its rows and boxes gave up their singles when it last changed
        }
        const Lanes filled_rows = nonempty(word);
        broken = broken | (filled_rows ^ tops);
        // Where every field is non-empty, subtracting 1 from each borrows within its own
        // field: what remains after clearing the lowest bit marks the rows with two or more.
        // (A lane with an empty row is broken, and its singles are never used.)
        const Lanes crowded_rows = nonempty(word & (word - starts));
        const Lanes single_rows = whole_rows(shift_down<8>(and_not(tops, crowded_rows)));

        // A box's three columns tallied together land on its first column.
        const Tally<Lanes> boxes = tally_merge(
            tally_merge(columns[band], shift_down<1>(columns[band])), shift_down<2>(columns[band]));
        broken = broken | ((boxes.once & stacks) ^ stacks);
        const Lanes lone_boxes = and_not(stacks, boxes.twice);
        const Lanes single_boxes =
            whole_columns(lone_boxes | shift_up<1>(lone_boxes) | shift_up<2>(lone_boxes));
        singles[band] = word & (single_rows | single_boxes);
    }
    const Tally<Lanes> whole_columns_tally =
        tally_merge(tally_merge(columns[0], columns[1]), columns[2]);
    broken = broken | (whole_columns_tally.once ^ cells);
    if (any_bit(broken)) {
        return false;
    }
    const Lanes single_columns = whole_columns(and_not(cells, whole_columns_tally.twice));
    for (int band = 0; band < 3; ++band) {
        singles[band] = singles[band] | (words[band] & single_columns);
    }
    return true;
}

// Fills a cell with a digit it alone may hold there: the digit leaves the cell's peers. The
// other digits' words do not have the cell, so they need no change.
void take_from_peers(DigitBoards& boards, int digit_index, int cell) {
    const CellLanes& lanes = CELL_LANES[static_cast<std::size_t>(cell)];
    const Lanes own = load_lanes(lanes.own.data());
    std::uint32_t* const words = &boards.candidates[4 * static_cast<std::size_t>(digit_index)];
    store_lanes(and_not(load_lanes(words), load_lanes(lanes.peers.data())) | own, words);
    store_lanes(and_not(load_lanes(boards.unsolved.data()), own), boards.unsolved.data());
    boards.changed_bands |= 7u << (3 * digit_index);
}

// One pass of naked singles over the three bands; `placed` tells whether it filled a cell.
bool fill_naked_singles(DigitBoards& boards, bool& placed) {
    const NakedTally tally = tally_naked_cells(boards);
    if (tally.dead != 0) {
        return false;
    }
    if (tally.single_bands == 0) {
        return true;  // nothing to place: no walk over the bands
    }
    placed = true;
    const DigitPlanes planes = digit_planes(boards);
    for (std::uint32_t bands = tally.single_bands; bands != 0;) {
        const int band = pop_lowest(bands);
        for (std::uint32_t cells = tally.singles[band]; cells != 0;) {
            const int bit = pop_lowest(cells);
            const int digit_index = planes.digit_index_at(band, bit);
            // An earlier single of this pass may have taken this cell's last candidate.
            if ((boards.candidates[4 * digit_index + band] >> bit & 1) == 0) {
                return false;
            }
            take_from_peers(boards, digit_index, 27 * band + bit);
        }
    }
    return true;
}

}  // namespace

DigitBoards filled_cells_of(const PlacedGrid& placed) {
    DigitBoards boards{};
    boards.changed_bands = (1u << 27) - 1;
    sort_placed_cells(placed, boards);
    return boards;
}

void open_empty_cells(DigitBoards& boards) {
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        const std::uint32_t* words = &boards.candidates[4 * digit_index];
        const std::uint32_t all = words[0] | words[1] | words[2];
        const std::uint32_t open_columns = (BAND_ROW & ~(all | all >> 9 | all >> 18)) * BAND_COLUMN;
        for (int band = 0; band < 3; ++band) {
            // The rows and boxes of the band that hold the digit, as cells.
            const std::uint32_t word = words[band];
            const std::uint32_t row_cells = (nonempty_rows(word) >> 8) * BAND_ROW;
            const std::uint32_t columns = (word | word >> 9 | word >> 18) & BAND_ROW;
            const std::uint32_t box_cells =
                ((columns | columns >> 1 | columns >> 2) & STACK_FIRST_COLUMNS) * BAND_BOX;
            boards.candidates[4 * digit_index + band] |=
                boards.unsolved[band] & ~(row_cells | box_cells) & open_columns;
        }
    }
}

void open_empty_cells(DigitBoards& boards, const DigitUnits& units) {
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        const std::uint32_t columns = (BAND_ROW & ~units.columns[digit_index]) * BAND_COLUMN;
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t rows = BAND_ROWS[(~units.rows[digit_index] >> (3 * band)) & 7];
            const std::uint32_t boxes = BAND_BOXES[(~units.boxes[digit_index] >> (3 * band)) & 7];
            boards.candidates[4 * digit_index + band] |=
                boards.unsolved[band] & rows & columns & boxes;
        }
    }
}

bool place_on_boards(DigitBoards& boards, int digit_index, int cell) {
    const int band = cell / 27;
    const int bit = cell % 27;
    const std::uint32_t mask = 1u << bit;
    if ((boards.candidates[4 * digit_index + band] & mask) == 0) {
        return false;
    }
    // Every digit that had the cell as a candidate changes, and must be looked at again for
    // hidden singles. The cell's bit of digit d goes to bit 3 * d + `bit`; one shift at the end
    // brings all nine down to `changed_bands` order.
    std::uint64_t had = 0;
    const Lanes own = load_lanes(CELL_LANES[static_cast<std::size_t>(cell)].own.data());
    for (int other = 0; other < 9; ++other) {
        std::uint32_t* const words = &boards.candidates[4 * static_cast<std::size_t>(other)];
        had |= static_cast<std::uint64_t>(words[band] & mask) << (3 * other);
        store_lanes(and_not(load_lanes(words), own), words);
    }
    boards.changed_bands |= static_cast<std::uint32_t>(had >> bit) << band;
    take_from_peers(boards, digit_index, cell);
    return true;
}

bool fill_forced_cells(DigitBoards& boards) {
    // Naked singles first, as they are the cheapest to find; they need looking for again only
    // after something was placed.
    bool naked_due = true;
    for (;;) {
        if (naked_due) {
            naked_due = false;
            if (!fill_naked_singles(boards, naked_due)) {
                return false;
            }
            if (naked_due) {
                continue;
            }
        }
        if (boards.changed_bands == 0) {
            return true;
        }
        // Up to four digits of those with changed bands are checked together, one a lane; all
        // checks read the same board, and every single any finds is forced. The lanes are
        // taken without branches: once no digit is left, a lane repeats the first lane's check
        // and its singles are dropped. A digit already placed in all nine units may take a
        // lane; its only singles are its filled cells, which are left out below.
        std::array<int, 4> digit_indices{};
        int taken = 0;
        std::uint32_t bands = 0;
        for (int lane = 0; lane < 4; ++lane) {
            // 9 when no digit is left.
            const int digit_index = std::countr_zero(boards.changed_bands | 1u << 27) / 3;
            bands |= boards.changed_bands >> (3 * digit_index) & 7;
            boards.changed_bands &= ~(7u << (3 * digit_index));
            // Arithmetic, not a conditional, so that no branch depends on the digits left.
            const int none = digit_index / 9;
            taken += 1 - none;
            digit_indices[lane] = (digit_indices[0] & -none) | (digit_index & (none - 1));
        }
        const std::uint32_t* rows = boards.candidates.data();
        const std::array<Lanes, 3> words =
            transpose_bands(rows + 4 * digit_indices[0], rows + 4 * digit_indices[1],
                            rows + 4 * digit_indices[2], rows + 4 * digit_indices[3]);
        std::array<Lanes, 3> singles;
        if (!find_hidden_singles(words, bands, singles)) {
            return false;
        }
        // All digits' cells are taken before any is placed: a cell that two need is a dead
        // end, which placing the second finds. A filled cell is the only one of its digit in
        // its units too; those are left out.
        const Lanes taken_lanes = load_lanes(TAKEN_LANES[taken].data());
        std::array<std::uint32_t, 12> left{};  // word 4 * band + lane
        std::uint32_t words_left = 0;          // bit 4 * band + lane: that word has cells
        for (int band = 0; band < 3; ++band) {
            const Lanes cells = singles[band] & splat(boards.unsolved[band]) & taken_lanes;
            words_left |= nonzero_lanes(cells) << (4 * band);
            store_lanes(cells, &left[4 * static_cast<std::size_t>(band)]);
        }
        if (words_left == 0) {
            continue;  // nothing to place
        }
        naked_due = true;
        // Band by band, lane by lane; placing them in any order finds the same board or a
        // dead end. Only the words with cells are visited.
        for (std::uint32_t due = words_left; due != 0;) {
            const int word = pop_lowest(due);
            const int band = word / 4;
            const int digit_index = digit_indices[static_cast<std::size_t>(word % 4)];
            for (std::uint32_t cells = left[static_cast<std::size_t>(word)]; cells != 0;) {
                if (!place_on_boards(boards, digit_index, 27 * band + pop_lowest(cells))) {
                    return false;
                }
            }
        }
    }
}

void write_solution(const DigitBoards& boards, PlacedGrid& solution) {
    write_cell_masks(boards, solution);
}

}  // namespace cellwright
