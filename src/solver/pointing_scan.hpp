#pragma once
// Which boxes locked candidates (pointing) can still act from, found for all nine boxes at
// once so that a sweep of `apply_locked_candidates` that would change nothing costs one look
// at the grid instead of nine box calls and a snapshot.

#include "grid/grid.hpp"

namespace cellwright {

// Bit b set for each box b whose `box_pointing` call, on the grid as it stands, would set an
// exclusion bit that is not yet set: a digit confined to one of its box-rows (box-columns)
// that some cell of that box-row (box-column) in a band (stack) partner still has open. Like
// `box_pointing`, it leaves out the digits present in the box (on a sound grid they are closed
// everywhere in it anyway); so a flagged box always writes, and a sweep that starts at one
// always makes progress.
unsigned boxes_with_new_eliminations(const PlacedGrid& placed, const ExclusionGrid& excluded);

}  // namespace cellwright
