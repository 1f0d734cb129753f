#pragma once
// What the files of the Python module share: reading Python arguments the way the command
// line reads its options, and building the tables of NumPy arrays the calls return.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <cellwright/cellwright.hpp>

namespace cellwright::python {

namespace py = pybind11;

// ---- Arguments (arguments.cpp) ----------------------------------------------------------
// Each raises ValueError or TypeError naming the argument and what it must be.

// A Python integer (or NumPy integer) from `smallest` to `largest`.
std::uint64_t whole_number(const py::handle& value, const char* name, std::uint64_t smallest = 0,
                           std::uint64_t largest = UINT64_MAX);

// A difficulty class 1..`hardest`.
int difficulty_class(const py::handle& value, int hardest);

// The problems to make: class `klass` (1..5) and, when `technique` is not None, the key of
// the technique that must be the hardest (classes 4 and 5 only), as `generate --technique`.
ProblemKind problem_kind(const py::handle& klass, const py::handle& technique);

// Threads for generate_problems: None for one per core (0), else 1..MAX_JOBS.
unsigned job_count(const py::handle& jobs);

// The problem numbers of `count` problems from `start`, or of shard (I, N) of them.
ProblemRange requested_range(std::uint64_t count, std::uint64_t start, const py::handle& shard);

// Whatever the caller passed as puzzles: one text line, a list of them (81 cells or problem
// lines, as `grade` reads them), or integers shaped (N, 81) or (81,). A bad puzzle raises
// ValueError naming it ("puzzle 3: ...") in cellwright-tool's words (grade_binding.cpp).
std::vector<Grid> read_puzzles(const py::handle& source);

// ---- Tables of arrays (table.cpp) -------------------------------------------------------

// Named NumPy arrays of one row per item, returned as a dict in the order they were added.
// The arrays are made with the GIL held; their rows may then be written without it.
class Table {
  public:
    explicit Table(std::size_t rows) : rows_(rows) {}

    // A new column of `width` values a row (a 1-D array for 1, else [rows, width]) of
    // zeros; its data, row after row.
    template <class T>
    T* add(const char* name, std::size_t width = 1) {
        py::array_t<T> column = width == 1 ? py::array_t<T>(rows_) : py::array_t<T>({rows_, width});
        T* data = column.mutable_data();
        std::fill(data, data + rows_ * width, T{});
        columns_[name] = std::move(column);
        return data;
    }

    const py::dict& columns() const { return columns_; }

  private:
    std::size_t rows_;
    py::dict columns_;  // in the order they were added, as Python keeps it
};

// One column per ladder counter, named as in cellwright-tool's JSON, in ladder order.
struct CounterColumns {
    std::array<std::int32_t*, 6> data{};
    void write(std::size_t row, const LadderCounters& counters) const noexcept;
};
CounterColumns add_counter_columns(Table& table);

// The names of the counter columns, in ladder order.
py::tuple counter_names();

// The step-by-step solver's findings: `hardest`, the code of its dearest technique (an index
// into TECHNIQUES, -1 for none), and `steps`, its steps per technique ([rows, 24], in the
// order of TECHNIQUES).
struct RatingColumns {
    std::int8_t* hardest = nullptr;
    std::int32_t* steps = nullptr;
    void write(std::size_t row, const std::optional<Technique>& technique,
               const TechniqueSteps& counts) const noexcept;
};
RatingColumns add_rating_columns(Table& table);

// The keys of the techniques ("x_wing"), and their names ("X-wing"), indexed by code.
py::tuple technique_keys();
py::tuple technique_names();

// The words for how a step-by-step solve stands ("step", "solved", "stalled",
// "contradiction"), indexed by code (explain_binding.cpp).
py::tuple status_keys();

// Copies a grid into row `row` of an 81-wide column.
void write_grid(std::uint8_t* column, std::size_t row, const Grid& grid) noexcept;

// ---- The calls, registered on the module ------------------------------------------------

void add_generation(py::module_& module);  // generate, batch, shard_range
void add_grading(py::module_& module);     // grade, count_solutions
void add_explaining(py::module_& module);  // explain, hint

}  // namespace cellwright::python
