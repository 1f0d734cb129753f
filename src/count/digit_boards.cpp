#include "count/digit_boards.hpp"

#include <bit>

#include "count/board_lanes.hpp"

namespace cellwright {
namespace {

constexpr std::uint32_t ROW_CELLS = 0x1FF;     // the first row of a band word
constexpr std::uint32_t ROW_STARTS = 0x40201;  // column 0 of each row of a band word
constexpr std::uint32_t ROW_LOW_EIGHT = 0xFF * ROW_STARTS;
constexpr std::uint32_t ROW_TOPS = ROW_STARTS << 8;  // column 8 of each row
constexpr std::uint32_t STACK_STARTS = 0x49;         // columns 0, 3 and 6 of a 9-bit row

// The cells of a band word in the rows (or boxes) of the band marked by a 3-bit index.
constexpr std::array<std::uint32_t, 8> BAND_ROWS = [] {
    std::array<std::uint32_t, 8> rows{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (unsigned k = 0; k < 3; ++k) {
            rows[marked] |= (marked >> k & 1) != 0 ? ROW_CELLS << (9 * k) : 0;
        }
    }
    return rows;
}();
constexpr std::array<std::uint32_t, 8> BAND_BOXES = [] {
    std::array<std::uint32_t, 8> boxes{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (unsigned k = 0; k < 3; ++k) {
            boxes[marked] |= (marked >> k & 1) != 0 ? (7u << (3 * k)) * ROW_STARTS : 0;
        }
    }
    return boxes;
}();

// What a digit placed at each bit of a band word takes away from the same digit: its row and
// box inside the band, and its column (in every band; the cell's own bit is put back).
struct BandPeers {
    std::uint32_t row_and_box;
    std::uint32_t column;
};

constexpr std::array<BandPeers, 27> BAND_PEERS = [] {
    std::array<BandPeers, 27> peers{};
    for (int bit = 0; bit < 27; ++bit) {
        const int column = bit % 9;
        const std::uint32_t box = (7u << (column / 3 * 3)) * ROW_STARTS;
        peers[bit] = {(ROW_CELLS << (bit / 9 * 9)) | box, ROW_STARTS << column};
    }
    return peers;
}();

// For each 9-bit field of a band word with bit 8 standing for the field: bit 8 set where the
// field is not empty. Adding 255 to the low eight bits carries into bit 8 without leaving the
// field.
constexpr std::uint32_t nonempty_rows(std::uint32_t word) {
    return (((word & ROW_LOW_EIGHT) + ROW_LOW_EIGHT) | word) & ROW_TOPS;
}

// A band-word constant for two digits at once: the same bits in both 32-bit halves.
constexpr std::uint64_t twice(std::uint32_t bits) {
    return bits | static_cast<std::uint64_t>(bits) << 32;
}

// The cells of two digits, each in its own half of the three words `words` (one per band),
// that are the only place left for that digit in their row, column or box, in `singles` (same
// halves); false when a unit has no place for one of them. Rows and boxes are looked at only in
// the bands marked in `bands` (bit b for band b), columns in all. Rows are tested in the band
// word's 9-bit fields; columns and boxes after folding each band's three rows into "some row
// has it" and "two or more rows have it" per column. No step carries, borrows or shifts a bit
// from one half into the other, so the halves are two independent checks for the price of one.
bool find_hidden_singles(const std::array<std::uint64_t, 3>& words, std::uint32_t bands,
                         std::array<std::uint64_t, 3>& singles) {
    constexpr std::uint64_t CELLS = twice(ROW_CELLS);
    constexpr std::uint64_t STARTS = twice(ROW_STARTS);
    constexpr std::uint64_t TOPS = twice(ROW_TOPS);
    constexpr std::uint64_t LOW_EIGHT = twice(ROW_LOW_EIGHT);
    constexpr std::uint64_t STACKS = twice(STACK_STARTS);
    // Bit 8 of each 9-bit field set where the field is not empty (see `nonempty_rows`).
    auto nonempty = [](std::uint64_t word) {
        return (((word & LOW_EIGHT) + LOW_EIGHT) | word) & TOPS;
    };
    std::array<std::uint64_t, 3> any{};
    std::array<std::uint64_t, 3> several{};
    for (int band = 0; band < 3; ++band) {
        const std::uint64_t word = words[band];
        const std::uint64_t first = word & CELLS;
        const std::uint64_t second = word >> 9 & CELLS;
        const std::uint64_t third = word >> 18 & CELLS;
        const std::uint64_t first_two = first | second;
        any[band] = first_two | third;
        several[band] = (first & second) | (third & first_two);
        if ((bands >> band & 1) == 0) {
            continue;  // its rows and boxes gave up their singles when it last changed
        }
        if (nonempty(word) != TOPS) {
            return false;
        }
        // Every field is non-empty, so subtracting 1 from each borrows within its own field:
        // what remains after clearing the lowest bit marks the rows with two or more.
        const std::uint64_t crowded_rows = nonempty(word & (word - STARTS));
        const std::uint64_t single_rows = ((TOPS & ~crowded_rows) >> 8) * ROW_CELLS;

        const std::uint64_t boxes_with_any = (any[band] | any[band] >> 1 | any[band] >> 2) & STACKS;
        if (boxes_with_any != STACKS) {
            return false;
        }
        // A box holds two or more when one of its columns does, or two of its columns do.
        const std::uint64_t columns = any[band];
        const std::uint64_t crowded_boxes =
            (several[band] | several[band] >> 1 | several[band] >> 2 | (columns & columns >> 1) |
             (columns & columns >> 2) | (columns >> 1 & columns >> 2)) &
            STACKS;
        const std::uint64_t single_boxes = ((STACKS & ~crowded_boxes) * 7) * ROW_STARTS;
        singles[band] = word & (single_rows | single_boxes);
    }
    if ((any[0] | any[1] | any[2]) != CELLS) {
        return false;
    }
    const std::uint64_t crowded_columns =
        several[0] | several[1] | several[2] | (any[0] & any[1]) | (any[2] & (any[0] | any[1]));
    const std::uint64_t single_columns = (CELLS & ~crowded_columns) * ROW_STARTS;
    for (int band = 0; band < 3; ++band) {
        singles[band] |= words[band] & single_columns;
    }
    return true;
}

// Fills a cell with a digit it alone may hold there: the digit leaves the cell's peers. The
// other digits' words do not have the cell, so they need no change.
void take_from_peers(DigitBoards& boards, int digit, int band, int bit) {
    const std::uint32_t mask = 1u << bit;
    const BandPeers peers = BAND_PEERS[bit];
    for (int other_band = 0; other_band < 3; ++other_band) {
        boards.candidates[4 * digit + other_band] &= ~peers.column;
    }
    std::uint32_t& own = boards.candidates[4 * digit + band];
    own = (own & ~peers.row_and_box) | mask;
    boards.unsolved[band] &= ~mask;
    boards.changed_bands |= 7u << (3 * digit);
}

// Two band words in one: `first` in the low half.
constexpr std::uint64_t pair_of(std::uint32_t first, std::uint32_t second) {
    return first | static_cast<std::uint64_t>(second) << 32;
}

// One pass of naked singles over the three bands; `placed` tells whether it filled a cell.
bool fill_naked_singles(DigitBoards& boards, bool& placed) {
    const NakedTally tally = tally_naked_cells(boards);
    if (tally.dead != 0) {
        return false;
    }
    if ((tally.singles[0] | tally.singles[1] | tally.singles[2]) == 0) {
        return true;  // about four passes in ten: spare them the walk over the bands
    }
    placed = true;
    for (int band = 0; band < 3; ++band) {
        for (std::uint32_t cells = tally.singles[band]; cells != 0; cells &= cells - 1) {
            // An earlier single of this pass may have taken this cell's last candidate.
            const int bit = std::countr_zero(cells);
            int digit = 0;
            while (digit < 9 && (boards.candidates[4 * digit + band] >> bit & 1) == 0) {
                ++digit;
            }
            if (digit == 9) {
                return false;
            }
            take_from_peers(boards, digit, band, bit);
        }
    }
    return true;
}

}  // namespace

DigitBoards filled_cells_of(const PlacedGrid& placed) {
    DigitBoards boards{};
    boards.changed_bands = (1u << 27) - 1;
    for (int digit = 0; digit < 9; ++digit) {
        const std::array<std::uint32_t, 3> cells = cells_holding(placed, DIGIT_MASKS[digit + 1]);
        for (int band = 0; band < 3; ++band) {
            boards.candidates[4 * digit + band] = cells[band];
        }
    }
    const std::array<std::uint32_t, 3> empty = cells_holding(placed, 0);
    for (int band = 0; band < 3; ++band) {
        boards.unsolved[band] = empty[band];
    }
    return boards;
}

void open_empty_cells(DigitBoards& boards) {
    for (int digit = 0; digit < 9; ++digit) {
        const std::uint32_t* words = &boards.candidates[4 * digit];
        const std::uint32_t all = words[0] | words[1] | words[2];
        const std::uint32_t open_columns = (ROW_CELLS & ~(all | all >> 9 | all >> 18)) * ROW_STARTS;
        for (int band = 0; band < 3; ++band) {
            // The rows and boxes of the band that hold the digit, as cells.
            const std::uint32_t word = words[band];
            const std::uint32_t row_cells = (nonempty_rows(word) >> 8) * ROW_CELLS;
            const std::uint32_t columns = (word | word >> 9 | word >> 18) & ROW_CELLS;
            const std::uint32_t box_cells =
                ((columns | columns >> 1 | columns >> 2) & STACK_STARTS) * 7 * ROW_STARTS;
            boards.candidates[4 * digit + band] |=
                boards.unsolved[band] & ~(row_cells | box_cells) & open_columns;
        }
    }
}

void open_empty_cells(DigitBoards& boards, const DigitUnits& units) {
    for (int digit = 0; digit < 9; ++digit) {
        const std::uint32_t columns = (ROW_CELLS & ~units.columns[digit]) * ROW_STARTS;
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t rows = BAND_ROWS[(~units.rows[digit] >> (3 * band)) & 7];
            const std::uint32_t boxes = BAND_BOXES[(~units.boxes[digit] >> (3 * band)) & 7];
            boards.candidates[4 * digit + band] |= boards.unsolved[band] & rows & columns & boxes;
        }
    }
}

bool place_on_boards(DigitBoards& boards, int digit, int cell) {
    const int band = cell / 27;
    const int bit = cell % 27;
    const std::uint32_t mask = 1u << bit;
    if ((boards.candidates[4 * digit + band] & mask) == 0) {
        return false;
    }
    // Every digit that had the cell as a candidate changes, and must be looked at again for
    // hidden singles. The cell's bit of digit d goes to bit 3 * d + `bit`; one shift at the end
    // brings all nine down to `changed_bands` order.
    std::uint64_t had = 0;
    for (int other = 0; other < 9; ++other) {
        std::uint32_t& word = boards.candidates[4 * other + band];
        had |= static_cast<std::uint64_t>(word & mask) << (3 * other);
        word &= ~mask;
    }
    boards.changed_bands |= static_cast<std::uint32_t>(had >> bit) << band;
    take_from_peers(boards, digit, band, bit);
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
        // Two digits of those with changed bands are checked together, one in each half of
        // the words; both checks read the same board, and every single either finds is forced.
        std::array<int, 2> digits{};
        int taken = 0;
        std::uint32_t bands = 0;
        while (taken < 2 && boards.changed_bands != 0) {
            const int digit = std::countr_zero(boards.changed_bands) / 3;
            const std::uint32_t* words = &boards.candidates[4 * digit];
            bands |= boards.changed_bands >> (3 * digit) & 7;
            boards.changed_bands &= ~(7u << (3 * digit));
            if (((words[0] & boards.unsolved[0]) | (words[1] & boards.unsolved[1]) |
                 (words[2] & boards.unsolved[2])) != 0) {
                digits[taken++] = digit;  // else placed in all nine units: nothing to find
            }
        }
        if (taken == 0) {
            continue;
        }
        if (taken == 1) {
            digits[1] = digits[0];
        }
        std::array<std::uint64_t, 3> words{};
        for (int band = 0; band < 3; ++band) {
            words[band] = pair_of(boards.candidates[4 * digits[0] + band],
                                  boards.candidates[4 * digits[1] + band]);
        }
        std::array<std::uint64_t, 3> singles{};
        if (!find_hidden_singles(words, bands, singles)) {
            return false;
        }
        // Both digits' cells are taken before either is placed: a cell that both need is a
        // dead end, which placing the second finds. A filled cell is the only one of its digit
        // in its units too; those are left out. With one digit taken, the second half only
        // repeats the first.
        const std::uint64_t halves = taken == 2 ? twice(0xFFFFFFFF) : 0xFFFFFFFF;
        std::array<std::uint64_t, 3> left{};
        for (int band = 0; band < 3; ++band) {
            left[band] = singles[band] & twice(boards.unsolved[band]) & halves;
        }
        if ((left[0] | left[1] | left[2]) == 0) {
            continue;  // most checks find nothing to place
        }
        naked_due = true;
        for (int k = 0; k < 2; ++k) {
            for (int band = 0; band < 3; ++band) {
                for (std::uint32_t cells = static_cast<std::uint32_t>(left[band] >> (32 * k));
                     cells != 0; cells &= cells - 1) {
                    if (!place_on_boards(boards, digits[k], 27 * band + std::countr_zero(cells))) {
                        return false;
                    }
                }
            }
        }
    }
}

void write_solution(const DigitBoards& boards, PlacedGrid& solution) {
    for (int digit = 0; digit < 9; ++digit) {
        for (int band = 0; band < 3; ++band) {
            for (std::uint32_t cells = boards.candidates[4 * digit + band]; cells != 0;
                 cells &= cells - 1) {
                solution[27 * band + std::countr_zero(cells)] = DIGIT_MASKS[digit + 1];
            }
        }
    }
}

}  // namespace cellwright
