// What every pattern of given cells that the generator draws shows, for checking problems
// that claim to come from it.

#include <cellwright/cellwright.hpp>

namespace cellwright {

int count_givens(const Grid& grid) noexcept {
    int count = 0;
    for (const std::uint8_t digit : grid) {
        count += digit != 0 ? 1 : 0;
    }
    return count;
}

bool is_generated_given_count(int givens) noexcept {
    // A pattern is a figure in the centre box (1, 2 or 4 cells), five or six quarter-turn
    // orbits of 4 cells over the outer boxes and, after a 2-cell figure, one half-turn pair:
    // 25 cells around the lone centre cell, 24 around any other figure.
    return givens == 24 || givens == 25;
}

bool is_half_turn_symmetric(const Grid& grid) noexcept {
    const std::size_t last = grid.size() - 1;
    for (std::size_t cell = 0; cell < grid.size(); ++cell) {
        if ((grid[cell] != 0) != (grid[last - cell] != 0)) {
            return false;
        }
    }
    return true;
}

}  // namespace cellwright
