#include "filling_stream.hpp"

#include "generator/fill_givens.hpp"
#include "generator/make_problem.hpp"

namespace cellwright::bench {

std::vector<int> record_fillings_per_pattern(std::uint32_t seed, int min_fillings) {
    RandomState random;
    random_seed(random, seed);
    std::vector<int> fillings_per_pattern;
    int total = 0;
    PlacedGrid solution;
    while (total < min_fillings) {
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        int fillings = 0;
        bool filled = false;
        while (!filled && fillings < MAX_FILLINGS) {
            filled = fill_givens(random, list, count, solution);
            ++fillings;
        }
        fillings_per_pattern.push_back(fillings);
        total += fillings;
    }
    return fillings_per_pattern;
}

FillingReplay::FillingReplay(std::uint32_t seed, std::vector<int> fillings_per_pattern)
    : seed_(seed), fillings_per_pattern_(std::move(fillings_per_pattern)) {
    random_seed(random, seed_);
    pattern_ = fillings_per_pattern_.size();  // the first `next` starts the run
}

void FillingReplay::next() {
    if (fillings_left_ > 0) {
        --fillings_left_;
        return;
    }
    if (pattern_ + 1 >= fillings_per_pattern_.size()) {
        random_seed(random, seed_);
        pattern_ = 0;
    } else {
        ++pattern_;
    }
    count = choose_given_cells(random, list);
    fillings_left_ = fillings_per_pattern_[pattern_] - 1;
}

std::vector<CountedGrid> record_counted_grids(std::uint32_t seed, int how_many) {
    FillingReplay replay(seed, record_fillings_per_pattern(seed, 4 * how_many));
    std::vector<CountedGrid> grids;
    CountedGrid grid;
    while (static_cast<int>(grids.size()) < how_many) {
        replay.next();
        if (fill_digits(replay.random, replay.list, replay.count, grid.placed, grid.excluded,
                        LastCascade::left_to_count)) {
            grids.push_back(grid);
        }
    }
    return grids;
}

std::vector<PlacedGrid> record_unique_problems(std::uint32_t seed, int how_many) {
    RandomState random;
    random_seed(random, seed);
    std::vector<PlacedGrid> problems;
    PlacedGrid solution;
    while (static_cast<int>(problems.size()) < how_many) {
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        for (int fillings = 0; fillings < MAX_FILLINGS; ++fillings) {
            if (fill_givens(random, list, count, solution)) {
                PlacedGrid problem{};
                for (int i = 0; i < count; ++i) {
                    problem[list[i]] = solution[list[i]];
                }
                problems.push_back(problem);
                break;
            }
        }
    }
    return problems;
}

}  // namespace cellwright::bench
