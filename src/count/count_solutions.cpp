#include "count/count_solutions.hpp"

#include <bit>

#include "count/digit_boards.hpp"

namespace cellwright {
namespace {

// What every level of one search shares.
struct Search {
    PlacedGrid& solution;
    std::int32_t& count;
};

// The search below a node whose board has just had a digit placed (or been built). The node's
// board is its own: every branch works on a copy, so nothing is undone.
void search_from(Search& search, DigitBoards& boards) {
    if (!fill_forced_cells(boards)) {
        return;
    }
    int band = 0;
    while (band < 3 && boards.unsolved[band] == 0) {
        ++band;
    }
    if (band == 3) {
        write_solution(boards, search.solution);
        ++search.count;
        return;
    }
    // Branch on the lowest empty cell with digits ascending: solutions are then met in
    // lexicographic order, and the second one found is the second smallest. The candidates
    // left out are digits no completion puts there, so skipping them changes no order.
    const int bit = std::countr_zero(boards.unsolved[band]);
    const int cell = 27 * band + bit;
    for (int digit = 0; digit < 9 && search.count <= 1; ++digit) {
        if ((boards.candidates[4 * digit + band] >> bit & 1) == 0) {
            continue;
        }
        DigitBoards branch = boards;
        place_on_boards(branch, digit, cell);
        search_from(search, branch);
    }
}

}  // namespace

std::int32_t count_solutions(PlacedGrid& placed, PlacedGrid& solution) {
    DigitBoards boards = filled_cells_of(placed);
    open_empty_cells(boards, units_of(boards));
    std::int32_t count = 0;
    Search search{solution, count};
    search_from(search, boards);
    return count;
}

void count_solutions_from(UndoStack& /*undo*/, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int /*start*/, std::int32_t& count) {
    DigitUnits units;
    for (int unit = 0; unit < 9; ++unit) {
        for (int digit = 0; digit < 9; ++digit) {
            units.rows[digit] |= (row_used[unit] >> digit & 1u) << unit;
            units.columns[digit] |= (column_used[unit] >> digit & 1u) << unit;
            units.boxes[digit] |= (box_used[unit] >> digit & 1u) << unit;
        }
    }
    DigitBoards boards = filled_cells_of(placed);
    open_empty_cells(boards, units);
    Search search{solution, count};
    search_from(search, boards);
}

}  // namespace cellwright
