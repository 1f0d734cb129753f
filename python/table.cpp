#include "binding.hpp"

#include <algorithm>

namespace cellwright::python {
namespace {

struct CounterField {
    const char* name;
    int LadderCounters::*member;
};

// The ladder's counters, in ladder order, named as in cellwright-tool's JSON.
constexpr std::array<CounterField, 6> COUNTER_FIELDS{{
    {"box_single_passes", &LadderCounters::box_single_passes},
    {"locked_candidate_sweeps", &LadderCounters::locked_candidate_sweeps},
    {"naked_single_scans", &LadderCounters::naked_single_scans},
    {"line_single_passes", &LadderCounters::line_single_passes},
    {"naked_pair_sweeps", &LadderCounters::naked_pair_sweeps},
    {"naked_triple_sweeps", &LadderCounters::naked_triple_sweeps},
}};

}  // namespace

void CounterColumns::write(std::size_t row, const LadderCounters& counters) const noexcept {
    for (std::size_t i = 0; i < COUNTER_FIELDS.size(); ++i) {
        data[i][row] = counters.*COUNTER_FIELDS[i].member;
    }
}

CounterColumns add_counter_columns(Table& table) {
    CounterColumns columns;
    for (std::size_t i = 0; i < COUNTER_FIELDS.size(); ++i) {
        columns.data[i] = table.add<std::int32_t>(COUNTER_FIELDS[i].name);
    }
    return columns;
}

py::tuple counter_names() {
    py::tuple names(COUNTER_FIELDS.size());
    for (std::size_t i = 0; i < COUNTER_FIELDS.size(); ++i) {
        names[i] = py::str(COUNTER_FIELDS[i].name);
    }
    return names;
}

void RatingColumns::write(std::size_t row, const std::optional<Technique>& technique,
                          const TechniqueSteps& counts) const noexcept {
    hardest[row] = technique ? static_cast<std::int8_t>(*technique) : std::int8_t{-1};
    std::copy(counts.begin(), counts.end(), steps + row * counts.size());
}

RatingColumns add_rating_columns(Table& table) {
    RatingColumns columns;
    columns.hardest = table.add<std::int8_t>("hardest");
    columns.steps = table.add<std::int32_t>("steps", TECHNIQUE_COUNT);
    return columns;
}

namespace {

py::tuple technique_texts(const char* (*text)(Technique) noexcept) {
    py::tuple texts(TECHNIQUE_COUNT);
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        texts[static_cast<std::size_t>(i)] = py::str(text(static_cast<Technique>(i)));
    }
    return texts;
}

}  // namespace

py::tuple technique_keys() {
    return technique_texts(&technique_key);
}

py::tuple technique_names() {
    return technique_texts(&technique_name);
}

void write_grid(std::uint8_t* column, std::size_t row, const Grid& grid) noexcept {
    std::copy(grid.begin(), grid.end(), column + row * grid.size());
}

}  // namespace cellwright::python
