#pragma once
// The stream of `fill_givens` calls that a real generation run makes, replayable call by call.
// The filling stream does not depend on the class: a batch of any class makes the same
// patterns and fillings for a given seed and only stops at a different point.

#include <cstdint>
#include <vector>

#include "generator/given_cells.hpp"
#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright::bench {

// Fillings per pattern of the run seeded with `seed`, until at least `min_fillings` calls.
std::vector<int> record_fillings_per_pattern(std::uint32_t seed, int min_fillings);

// Replays a recorded run: `next` draws the next pattern when the current one has had all its
// fillings, so that the RandomState handed to the filling is the one the real run used.
class FillingReplay {
  public:
    FillingReplay(std::uint32_t seed, std::vector<int> fillings_per_pattern);

    // Advances to the next filling call; the caller then fills `list` from `random`.
    void next();

    RandomState random;
    GivenCellList list{};
    int count = 0;

  private:
    std::uint32_t seed_;
    std::vector<int> fillings_per_pattern_;
    std::size_t pattern_ = 0;
    int fillings_left_ = 0;
};

// A grid pair as a filling hands it to `count_solutions`: its given cells and any digits
// concluded on the way, and the digits it ruled out.
struct CountedGrid {
    PlacedGrid placed;
    ExclusionGrid excluded;
};

// The grid pairs that the fillings of the run seeded with `seed` count, `how_many` of them.
std::vector<CountedGrid> record_counted_grids(std::uint32_t seed, int how_many);

// Problems with a unique solution as `make_problem` keeps them: only the 24 or 25 given
// digits, `how_many` of them.
std::vector<PlacedGrid> record_unique_problems(std::uint32_t seed, int how_many);

}  // namespace cellwright::bench
