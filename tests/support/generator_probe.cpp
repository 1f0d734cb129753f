#include "support/generator_probe.hpp"

#include <algorithm>
#include <array>
#include <bit>

#include <gtest/gtest.h>

#include "count/count_solutions.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::probe {

std::uint32_t word_for(Draw draw) {
    const std::uint64_t scaled = static_cast<std::uint64_t>(draw.value) << 32;
    const auto bound = static_cast<std::uint64_t>(draw.bound);
    return static_cast<std::uint32_t>((scaled + bound - 1) / bound);
}

void feed_draws(RandomState& random, const std::vector<Draw>& draws) {
    random.words.fill(0);
    random.position = 0;
    std::size_t index = 1;
    for (const Draw draw : draws) {
        random.words[index++] = word_for(draw);
    }
}

DigitGrid digits_from_text(std::string_view text) {
    return check::grid_from_text(text);
}

PlacedGrid masks_from_text(std::string_view text) {
    return check::masks_of(digits_from_text(text));
}

std::string text_of(const DigitGrid& digits) {
    std::string text;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (cell != 0 && cell % 9 == 0) {
            text += ' ';
        }
        text += digits[cell] == 0 ? '.' : static_cast<char>('0' + digits[cell]);
    }
    return text;
}

std::string text_of(const PlacedGrid& masks) {
    DigitGrid digits{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        // A mask with more than one bit is no digit; show it as a hole rather than guess.
        digits[cell] = std::has_single_bit(static_cast<unsigned>(masks[cell]))
                           ? static_cast<std::uint8_t>(digit_of(masks[cell]))
                           : 0;
    }
    return text_of(digits);
}

std::vector<int> cells_of(const GivenCellList& list, int count) {
    return {list.begin(), list.begin() + count};
}

int quarter_turn(int cell) {
    return 9 * column_of(cell) + 8 - row_of(cell);
}

int half_turn(int cell) {
    return 80 - cell;
}

bool maps_onto_itself(const std::vector<int>& cells, int (*turn)(int)) {
    return std::all_of(cells.begin(), cells.end(), [&](int cell) {
        return std::find(cells.begin(), cells.end(), turn(cell)) != cells.end();
    });
}

DigitGrid expect_sound_givens(const DigitGrid& givens, const std::string& name) {
    std::vector<int> cells;
    std::array<bool, 10> present{};
    int centre = 0;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (givens[cell] != 0) {
            cells.push_back(cell);
            present[std::min<int>(givens[cell], 9)] = true;
            centre += box_of(cell) == 4 ? 1 : 0;
        }
    }
    const std::string shown = name + ": " + text_of(givens);
    EXPECT_TRUE(cells.size() == 24 || cells.size() == 25) << shown;
    EXPECT_TRUE(maps_onto_itself(cells, half_turn)) << shown << ": not half-turn symmetric";
    EXPECT_TRUE(centre == 2 || maps_onto_itself(cells, quarter_turn))
        << shown << ": not quarter-turn symmetric";
    EXPECT_TRUE(std::all_of(present.begin() + 1, present.end(), [](bool p) { return p; }))
        << shown << ": a digit missing";

    PlacedGrid problem = check::masks_of(givens);
    PlacedGrid solution{};
    EXPECT_EQ(count_solutions(problem, solution), 1) << shown << ": not exactly one solution";
    DigitGrid digits{};
    digits_from_masks(solution, &digits);
    return digits;
}

}  // namespace cellwright::probe
