// Each technique on small hand-made grids: an empty board whose candidates are narrowed just
// enough to hold one pattern, where the technique must fire (and is described exactly so),
// and a near miss where it must not.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "advanced/step_text.hpp"
#include "advanced/techniques.hpp"
#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::GridPair;

constexpr int rc(int row, int column) {
    return 9 * (row - 1) + column - 1;
}

// Candidates forced on one cell.
struct Pencil {
    int cell;
    std::vector<int> digits;
};

// A digit kept open in a unit only at the listed cells.
struct Only {
    int digit;
    test::UnitCells unit;
    std::vector<int> open;
};

test::UnitCells row(int r) {
    return test::row_cells(r - 1);
}
test::UnitCells col(int c) {
    return test::column_cells(c - 1);
}
test::UnitCells box(int b) {
    return test::box_cells(b - 1);
}

CandidateView view_of(const std::vector<Pencil>& pencils, const std::vector<Only>& only) {
    GridPair grid;
    for (const Pencil& pencil : pencils) {
        test::force_candidates(grid, pencil.cell, pencil.digits);
    }
    for (const Only& rule : only) {
        for (const int cell : rule.unit) {
            if (std::find(rule.open.begin(), rule.open.end(), cell) == rule.open.end()) {
                grid.excluded[cell] |= DIGIT_MASKS[rule.digit];
            }
        }
    }
    CandidateView view;
    build_candidate_view(grid.placed, grid.excluded, view);
    return view;
}

using Finder = bool (*)(const CandidateView&, SolveStep&);

struct Case {
    const char* name;
    Finder finder;
    std::vector<Pencil> pencils;
    std::vector<Only> only;
    std::string expected;  // the step in words; empty when the finder must find nothing
};

TEST(StepCounts, EachTechniqueFiresOnItsPatternAndNotOnANearMiss) {
    // Shared patterns: a skyscraper's, an X-wing's and a colouring cluster's links.
    const std::vector<Only> x_wing = {{3, row(2), {rc(2, 4), rc(2, 8)}},
                                      {3, row(7), {rc(7, 4), rc(7, 8)}},
                                      {3, col(4), {rc(2, 4), rc(7, 4), rc(5, 4)}},
                                      {3, col(8), {rc(2, 8), rc(7, 8), rc(6, 8)}}};
    const std::vector<Only> colour_wrap = {{6, row(1), {rc(1, 1), rc(1, 5)}},
                                           {6, col(5), {rc(1, 5), rc(6, 5)}},
                                           {6, row(6), {rc(6, 5), rc(6, 2)}},
                                           {6, col(2), {rc(6, 2), rc(2, 2)}}};
    std::vector<Only> colour_open = colour_wrap;
    colour_open.back() = {6, col(2), {rc(6, 2), rc(9, 2)}};
    const Case cases[] = {
        {"box hidden single",
         find_box_hidden_single,
         {},
         {{7, box(5), {rc(5, 6)}}},
         "hidden single in box 5: r5c6 = 7"},
        {"two places in the box",
         find_box_hidden_single,
         {},
         {{7, box(5), {rc(5, 6), rc(4, 4)}}},
         ""},
        {"naked single", find_naked_single, {{rc(3, 4), {8}}}, {}, "naked single: r3c4 = 8"},
        {"two candidates", find_naked_single, {{rc(3, 4), {8, 9}}}, {}, ""},
        {"row hidden single",
         find_line_hidden_single,
         {},
         {{2, row(3), {rc(3, 5)}}},
         "hidden single in row 3: r3c5 = 2"},
        {"column hidden single",
         find_line_hidden_single,
         {},
         {{4, col(7), {rc(8, 7)}}},
         "hidden single in column 7: r8c7 = 4"},
        {"pointing along a row",
         find_pointing,
         {},
         {{3, box(1), {rc(1, 1), rc(1, 2)}}},
         "locked candidates (pointing): 3 in box 1 lies in row 1: "
         "r1c4, r1c5, r1c6, r1c7, r1c8, r1c9 <> 3"},
        {"pointing along a column",
         find_pointing,
         {},
         {{3, box(1), {rc(1, 1), rc(3, 1)}}},
         "locked candidates (pointing): 3 in box 1 lies in column 1: "
         "r4c1, r5c1, r6c1, r7c1, r8c1, r9c1 <> 3"},
        {"two box-rows", find_pointing, {}, {{3, box(1), {rc(1, 1), rc(2, 2)}}}, ""},
        {"claiming",
         find_claiming,
         {},
         {{5, row(2), {rc(2, 7), rc(2, 8)}}},
         "locked candidates (claiming): 5 in row 2 lies in box 3: "
         "r1c7, r1c8, r1c9, r3c7, r3c8, r3c9 <> 5"},
        {"two boxes", find_claiming, {}, {{5, row(2), {rc(2, 6), rc(2, 7)}}}, ""},
        {"naked pair",
         find_naked_pair,
         {{rc(1, 1), {1, 2}}, {rc(1, 5), {1, 2}}},
         {},
         "naked pair 1,2 in row 1 (r1c1, r1c5): "
         "r1c2, r1c3, r1c4, r1c6, r1c7, r1c8, r1c9 <> 1,2"},
        {"no pair", find_naked_pair, {{rc(1, 1), {1, 2}}, {rc(1, 5), {1, 3}}}, {}, ""},
        {"naked triple",
         find_naked_triple,
         {{rc(2, 4), {1, 2}}, {rc(5, 4), {2, 3}}, {rc(8, 4), {1, 3}}},
         {},
         "naked triple 1,2,3 in column 4 (r2c4, r5c4, r8c4): "
         "r1c4, r3c4, r4c4, r6c4, r7c4, r9c4 <> 1,2,3"},
        {"four digits in three cells",
         find_naked_triple,
         {{rc(2, 4), {1, 2}}, {rc(5, 4), {2, 3}}, {rc(8, 4), {1, 4}}},
         {},
         ""},
        {"naked quad",
         find_naked_quad,
         {{rc(7, 7), {1, 2}}, {rc(7, 8), {2, 3}}, {rc(8, 9), {3, 4}}, {rc(9, 9), {1, 4}}},
         {},
         "naked quad 1,2,3,4 in box 9 (r7c7, r7c8, r8c9, r9c9): "
         "r7c9, r8c7, r8c8, r9c7, r9c8 <> 1,2,3,4"},
        {"hidden pair",
         find_hidden_pair,
         {},
         {{6, row(4), {rc(4, 2), rc(4, 7)}}, {8, row(4), {rc(4, 2), rc(4, 7)}}},
         "hidden pair 6,8 in row 4 (r4c2, r4c7): r4c2, r4c7 <> 1,2,3,4,5,7,9"},
        {"three places for two digits",
         find_hidden_pair,
         {},
         {{6, row(4), {rc(4, 2), rc(4, 7)}}, {8, row(4), {rc(4, 2), rc(4, 8)}}},
         ""},
        {"hidden triple",
         find_hidden_triple,
         {},
         {{1, col(9), {rc(1, 9), rc(2, 9)}},
          {2, col(9), {rc(2, 9), rc(3, 9)}},
          {3, col(9), {rc(1, 9), rc(3, 9)}}},
         "hidden triple 1,2,3 in column 9 (r1c9, r2c9, r3c9): "
         "r1c9, r2c9, r3c9 <> 4,5,6,7,8,9"},
        {"hidden quad",
         find_hidden_quad,
         {},
         {{1, box(5), {rc(4, 4), rc(4, 5)}},
          {2, box(5), {rc(4, 5), rc(6, 5)}},
          {3, box(5), {rc(6, 5), rc(6, 6)}},
          {4, box(5), {rc(6, 6), rc(4, 4)}}},
         "hidden quad 1,2,3,4 in box 5 (r4c4, r4c5, r6c5, r6c6): "
         "r4c4, r4c5, r6c5, r6c6 <> 5,6,7,8,9"},
        {"X-wing",
         find_x_wing,
         {},
         x_wing,
         "X-wing on 3 in rows 2 and 7, columns 4 and 8: r5c4, r6c8 <> 3"},
        {"rows on different columns",
         find_x_wing,
         {},
         {{3, row(2), {rc(2, 4), rc(2, 8)}}, {3, row(7), {rc(7, 4), rc(7, 9)}}},
         ""},
        {"swordfish",
         find_swordfish,
         {},
         {{3, row(1), {rc(1, 1), rc(1, 5)}},
          {3, row(5), {rc(5, 5), rc(5, 9)}},
          {3, row(9), {rc(9, 1), rc(9, 9)}},
          {3, col(1), {rc(1, 1), rc(9, 1), rc(3, 1)}},
          {3, col(5), {rc(1, 5), rc(5, 5), rc(7, 5)}},
          {3, col(9), {rc(5, 9), rc(9, 9), rc(2, 9)}}},
         "swordfish on 3 in rows 1, 5 and 9, columns 1, 5 and 9: r2c9, r3c1, r7c5 <> 3"},
        {"jellyfish",
         find_jellyfish,
         {},
         {{7, row(1), {rc(1, 2), rc(1, 4)}},
          {7, row(3), {rc(3, 4), rc(3, 6)}},
          {7, row(5), {rc(5, 6), rc(5, 8)}},
          {7, row(7), {rc(7, 8), rc(7, 2)}},
          {7, col(2), {rc(1, 2), rc(7, 2), rc(9, 2)}},
          {7, col(4), {rc(1, 4), rc(3, 4)}},
          {7, col(6), {rc(3, 6), rc(5, 6)}},
          {7, col(8), {rc(5, 8), rc(7, 8)}}},
         "jellyfish on 7 in rows 1, 3, 5 and 7, columns 2, 4, 6 and 8: r9c2 <> 7"},
        {"skyscraper",
         find_skyscraper,
         {},
         {{4, row(1), {rc(1, 2), rc(1, 7)}}, {4, row(6), {rc(6, 2), rc(6, 9)}}},
         "skyscraper on 4 in rows 1 and 6: r1c7 = r1c2 - r6c2 = r6c9: "
         "r2c9, r3c9, r4c7, r5c7 <> 4"},
        {"an X-wing is no skyscraper",
         find_skyscraper,
         {},
         {{4, row(1), {rc(1, 2), rc(1, 7)}}, {4, row(6), {rc(6, 2), rc(6, 7)}}},
         ""},
        {"two-string kite",
         find_two_string_kite,
         {},
         {{5, row(1), {rc(1, 2), rc(1, 7)}}, {5, col(1), {rc(2, 1), rc(8, 1)}}},
         "two-string kite on 5 in row 1 and column 1: r1c7 = r1c2 - r2c1 = r8c1: r8c7 <> 5"},
        {"row link inside the box",
         find_two_string_kite,
         {},
         {{5, row(1), {rc(1, 2), rc(1, 3)}}, {5, col(1), {rc(2, 1), rc(8, 1)}}},
         ""},
        {"XY-wing",
         find_xy_wing,
         {{rc(2, 2), {1, 2}}, {rc(2, 7), {1, 3}}, {rc(5, 2), {2, 3}}},
         {},
         "XY-wing with pivot r2c2 (1,2) and pincers r2c7 (1,3), r5c2 (2,3): r5c7 <> 3"},
        {"pincers without a shared digit",
         find_xy_wing,
         {{rc(2, 2), {1, 2}}, {rc(2, 7), {1, 3}}, {rc(5, 2), {2, 4}}},
         {},
         ""},
        {"XYZ-wing",
         find_xyz_wing,
         {{rc(2, 2), {1, 2, 3}}, {rc(2, 8), {1, 3}}, {rc(1, 1), {2, 3}}},
         {},
         "XYZ-wing with pivot r2c2 (1,2,3) and pincers r1c1 (2,3), r2c8 (1,3): r2c1, r2c3 <> 3"},
        {"pincer outside the pivot",
         find_xyz_wing,
         {{rc(2, 2), {1, 2, 3}}, {rc(2, 8), {1, 4}}, {rc(1, 1), {2, 3}}},
         {},
         ""},
        {"W-wing",
         find_w_wing,
         {{rc(1, 1), {1, 2}}, {rc(5, 6), {1, 2}}},
         {{2, row(3), {rc(3, 1), rc(3, 6)}}},
         "W-wing on 1,2 at r1c1 and r5c6, strong link on 2 in row 3 (r3c1, r3c6): r1c6, r5c1 <> 1"},
        {"link seen by one cell only",
         find_w_wing,
         {{rc(1, 1), {1, 2}}, {rc(5, 6), {1, 2}}},
         {{2, row(3), {rc(3, 2), rc(3, 7)}}},
         ""},
        {"colour trap",
         find_colour_trap,
         {},
         {{6, col(1), {rc(2, 1), rc(8, 1)}},
          {6, row(8), {rc(8, 1), rc(8, 6)}},
          {6, box(8), {rc(8, 6), rc(9, 4)}}},
         "simple colouring (trap) on 6: r2c1, r8c6 | r8c1, r9c4: r2c4 <> 6"},
        {"no cell sees both colours",
         find_colour_trap,
         {},
         {{6, col(1), {rc(2, 1), rc(8, 1)}}, {6, row(8), {rc(8, 1), rc(8, 6)}}},
         ""},
        {"colour wrap",
         find_colour_wrap,
         {},
         colour_wrap,
         "simple colouring (wrap) on 6: r1c1, r2c2, r6c5 | r1c5, r6c2: r1c1, r2c2, r6c5 <> 6"},
        {"no colour meets itself", find_colour_wrap, {}, colour_open, ""},
        {"X-chain",
         find_x_chain,
         {},
         {{6, row(1), {rc(1, 1), rc(1, 5)}}, {6, col(6), {rc(3, 6), rc(7, 6)}}},
         "X-chain on 6: r1c1 = r1c5 - r3c6 = r7c6: r7c1 <> 6"},
        {"links that do not meet",
         find_x_chain,
         {},
         {{6, row(1), {rc(1, 1), rc(1, 5)}}, {6, col(6), {rc(4, 6), rc(7, 6)}}},
         ""},
        {"XY-chain",
         find_xy_chain,
         {{rc(1, 1), {1, 2}}, {rc(1, 5), {2, 3}}, {rc(5, 5), {3, 4}}, {rc(5, 9), {1, 4}}},
         {},
         "XY-chain on 1: (1=2)r1c1 - (2=3)r1c5 - (3=4)r5c5 - (4=1)r5c9: r1c9, r5c1 <> 1"},
        {"chain ends on another digit",
         find_xy_chain,
         {{rc(1, 1), {1, 2}}, {rc(1, 5), {2, 3}}, {rc(5, 5), {3, 4}}, {rc(5, 9), {4, 5}}},
         {},
         ""},
        {"AIC",
         find_aic,
         {{rc(5, 7), {1, 2}}},
         {{1, row(1), {rc(1, 1), rc(1, 7)}}, {2, col(2), {rc(2, 2), rc(5, 2)}}},
         "AIC: (1)r1c1 = (1)r1c7 - (1)r5c7 = (2)r5c7 - (2)r5c2 = (2)r2c2: "
         "r1c1 <> 2; r2c2 <> 1"},
        {"AIC ends that do not see each other",
         find_aic,
         {{rc(5, 7), {1, 2}}},
         {{1, row(1), {rc(1, 1), rc(1, 7)}}, {2, col(2), {rc(8, 2), rc(5, 2)}}},
         ""},
    };
    for (const Case& c : cases) {
        const CandidateView view = view_of(c.pencils, c.only);
        SolveStep step;
        const bool found = c.finder(view, step);
        EXPECT_EQ(found, !c.expected.empty()) << c.name;
        if (found) {
            EXPECT_EQ(describe_step(step), c.expected) << c.name;
        }
    }
}

}  // namespace
}  // namespace cellwright
