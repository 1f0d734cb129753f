#pragma once
// The step finders of the step-by-step solver, one per technique. Each reads a candidate
// view, looks for its pattern in a fixed order (stated below) and returns true with `step`
// filled for the first instance that makes progress: a placement, or at least one candidate
// removed. Otherwise it returns false and `step` holds nothing of use.
//
// Every finder is sound: it removes a candidate only when no solution of the grid can hold
// it, and places a digit only where every solution holds it. None guesses.
//
// Unit order "in sweep order" means row u, column u, box u for u = 0..8.

#include "advanced/candidate_view.hpp"
#include "advanced/solve_step.hpp"

namespace cellwright {

// Singles (singles_steps.cpp). Boxes 0..8 and digits 1..9 in each; cells 0..80; for k =
// 0..8 and digits 1..9, column k before row k (the order of the technique ladder's passes).
// The pattern is the cell placed; a hidden single's unit is its unit.
bool find_box_hidden_single(const CandidateView& view, SolveStep& step);
bool find_naked_single(const CandidateView& view, SolveStep& step);
bool find_line_hidden_single(const CandidateView& view, SolveStep& step);

// Locked candidates (locked_candidates_steps.cpp). Pointing: boxes 0..8, digits 1..9, the
// box-row before the box-column; units = box, line. Claiming: lines in sweep order, digits
// 1..9; units = line, box.
bool find_pointing(const CandidateView& view, SolveStep& step);
bool find_claiming(const CandidateView& view, SolveStep& step);

// Naked and hidden subsets of two to four cells (subset_steps.cpp): units in sweep order,
// subsets in lexicographic order of the listed cells (digits). `digits` = the subset's digits;
// units = the unit; pattern = the subset's cells.
bool find_naked_pair(const CandidateView& view, SolveStep& step);
bool find_naked_triple(const CandidateView& view, SolveStep& step);
bool find_naked_quad(const CandidateView& view, SolveStep& step);
bool find_hidden_pair(const CandidateView& view, SolveStep& step);
bool find_hidden_triple(const CandidateView& view, SolveStep& step);
bool find_hidden_quad(const CandidateView& view, SolveStep& step);

// Fish of two to four lines (fish_steps.cpp): digits 1..9, rows as base lines before columns,
// base lines in lexicographic order. Units = the base lines, then the cover lines.
bool find_x_wing(const CandidateView& view, SolveStep& step);
bool find_swordfish(const CandidateView& view, SolveStep& step);
bool find_jellyfish(const CandidateView& view, SolveStep& step);

// Two strong links of one digit joined by a weak one (single_digit_steps.cpp); digits 1..9.
// The pattern is the chain end = link = link = end order. Skyscraper: two rows (then two
// columns) with two open cells each, sharing exactly one column (row); units = the two base
// lines and the shared line. Two-string kite: a row and a column with two open cells each,
// one cell of each in a box that holds neither other cell; units = row, column, box.
bool find_skyscraper(const CandidateView& view, SolveStep& step);
bool find_two_string_kite(const CandidateView& view, SolveStep& step);

// Wings (wing_steps.cpp), pivots 0..80. XY-wing: a two-candidate pivot {x,y} seeing
// pincers {x,z} and {y,z}; XYZ-wing: a pivot {x,y,z} seeing pincers {x,z} and {y,z}. The
// pattern is the pivot then the pincers; `digits` = z. W-wing: two cells {x,y} that do not
// see each other, each seeing one end of a strong link on x; the pattern is the two cells,
// then the link's cells; `digits` = the two digits, the link cells' `digit` = x.
bool find_xy_wing(const CandidateView& view, SolveStep& step);
bool find_xyz_wing(const CandidateView& view, SolveStep& step);
bool find_w_wing(const CandidateView& view, SolveStep& step);

// Simple colouring (colouring_steps.cpp): digits 1..9, clusters of strong links in the order
// of their lowest cell. The pattern is the first colour (`first_group` cells), then the
// other; for a wrap the first colour is the false one.
bool find_colour_trap(const CandidateView& view, SolveStep& step);
bool find_colour_wrap(const CandidateView& view, SolveStep& step);

// Chains (chain_steps.cpp) of four to MAX_CHAIN_NODES candidates, each link from "false"
// to "true" strong, from "true" to "false" weak, so that the first candidate or the last is
// true. The shortest useful chain is taken, ties by first candidate, then last (cells
// ascending, digits ascending in each). The pattern lists the chain's candidates in order
// (`digit` each), first one false. X-chain: one digit, strong links between the two open
// cells of a unit, ends on two cells. XY-chain: two-candidate cells, each entered on one
// candidate and left on the other, ends the same digit in two cells. AIC: both kinds of
// strong link, weak links also between two candidates of a cell; ends the same digit in two
// cells, two digits in one cell, or two digits in two cells that see each other. `digits`
// = the last candidate's digit.
inline constexpr int MAX_CHAIN_NODES = 20;
bool find_x_chain(const CandidateView& view, SolveStep& step);
bool find_xy_chain(const CandidateView& view, SolveStep& step);
bool find_aic(const CandidateView& view, SolveStep& step);

// Shared by the finders: records the elimination of `digit` from every cell of `cells`
// (which must all be open for it), in ascending order. True if there was any.
bool eliminate_digit(SolveStep& step, const CellSet& cells, int digit);

}  // namespace cellwright
