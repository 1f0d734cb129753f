#include "count/count_solutions.hpp"

#include <bit>

#include "count/board_lanes.hpp"
#include "count/digit_boards.hpp"
#include "grid/bits.hpp"

namespace cellwright {
namespace {

// What every level of one search shares.
struct Search {
    std::int32_t& count;
    int found = 0;
    DigitBoards last{};  // the board of the latest solution found
};

// The search below a node whose board has just had a digit placed (or been built). The node's
// board is its own: every branch but the last works on a copy, so nothing is undone.
void search_from(Search& search, DigitBoards& boards) {
    if (!fill_forced_cells(boards)) {
        return;
    }
    int band = 0;
    while (band < 3 && boards.unsolved[band] == 0) {
        ++band;
    }
    if (band == 3) {
        search.last = boards;
        ++search.found;
        ++search.count;
        return;
    }
    // Branch on the lowest empty cell with digits ascending: solutions are then met in
    // lexicographic order, and the second one found is the second smallest. The candidates
    // left out are digits no completion puts there, so skipping them changes no order.
    const int bit = std::countr_zero(boards.unsolved[band]);
    const int cell = 27 * band + bit;
    std::uint32_t digit_bits = 0;
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        digit_bits |= (boards.candidates[4 * digit_index + band] >> bit & 1) << digit_index;
    }
    while (digit_bits != 0 && search.count <= 1) {
        const int digit_index = pop_lowest(digit_bits);
        if (digit_bits == 0) {
            // The last try may use the node's own board.
            place_on_boards(boards, digit_index, cell);
            search_from(search, boards);
            return;
        }
        DigitBoards branch = boards;
        place_on_boards(branch, digit_index, cell);
        search_from(search, branch);
    }
}

// Searches below `boards`, adding the completions met to `count` until it exceeds 1, and
// writes the last one met (the second, or the only one) into `solution`.
void search_and_report(DigitBoards& boards, PlacedGrid& solution, std::int32_t& count) {
    Search search{count};
    search_from(search, boards);
    if (search.found > 0) {
        write_solution(search.last, solution);
    }
}

}  // namespace

std::int32_t count_solutions(const PlacedGrid& placed, PlacedGrid& solution) {
    DigitBoards boards = filled_cells_of(placed);
    open_empty_cells(boards);
    std::int32_t count = 0;
    search_and_report(boards, solution, count);
    return count;
}

std::int32_t count_solutions(const PlacedGrid& placed, const ExclusionGrid& excluded,
                             PlacedGrid& solution) {
    DigitBoards boards = filled_cells_of(placed);
    open_unexcluded_cells(excluded, boards);
    std::int32_t count = 0;
    search_and_report(boards, solution, count);
    return count;
}

void count_solutions_from(const PlacedGrid& placed, PlacedGrid& solution, const UnitMasks& row_used,
                          const UnitMasks& column_used, const UnitMasks& box_used,
                          std::int32_t& count) {
    DigitUnits units;
    for (int unit = 0; unit < 9; ++unit) {
        for (int digit_index = 0; digit_index < 9; ++digit_index) {
            units.rows[digit_index] |= (row_used[unit] >> digit_index & 1u) << unit;
            units.columns[digit_index] |= (column_used[unit] >> digit_index & 1u) << unit;
            units.boxes[digit_index] |= (box_used[unit] >> digit_index & 1u) << unit;
        }
    }
    DigitBoards boards = filled_cells_of(placed);
    open_empty_cells(boards, units);
    search_and_report(boards, solution, count);
}

}  // namespace cellwright
