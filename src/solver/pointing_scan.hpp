#pragma once
// Which boxes locked candidates (pointing) can still act from, found for all nine boxes at
// once so that a sweep of `apply_locked_candidates` that would change nothing costs one look
// at the grid instead of nine box calls and a snapshot.

#include "grid/grid.hpp"

namespace cellwright {

// Bit b set for each box b whose `box_pointing` call, on the grid as it stands, would set an
// exclusion bit that is not yet set: a digit confined to one of its box-rows (box-columns)
// that some cell of that box-row (box-column) in a band (stack) partner still has open.
// Relies on the grid invariant that a digit present in a box is excluded from its other
// cells; such a digit is closed everywhere in the box and so confined nowhere.
unsigned boxes_with_new_eliminations(const ExclusionGrid& excluded);

}  // namespace cellwright
