// grade and count_solutions: puzzles in (an array of cells or a list of text lines), columns
// of NumPy arrays out. Bad puzzles raise the errors cellwright-tool reports for them.

#include <string>

#include "binding.hpp"

namespace cellwright::python {
namespace {

std::string puzzle_name(std::size_t number) {
    return "puzzle " + std::to_string(number);
}

// Rows of a C-ordered array of integers, checked cell by cell and then for clashes.
template <class Cell>
void read_rows(const py::array_t<Cell, py::array::c_style | py::array::forcecast>& cells,
               std::vector<Grid>& puzzles) {
    const Cell* data = cells.data();
    const std::size_t rows = static_cast<std::size_t>(cells.size()) / 81;
    puzzles.resize(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t cell = 0; cell < 81; ++cell) {
            const Cell value = data[row * 81 + cell];
            // Out of a byte's range a cell cannot go into a Grid to be described; the text is
            // grid_fault's for a bad cell.
            if (value < 0 || value > 255) {
                throw py::value_error(puzzle_name(row) + ": row " + std::to_string(cell / 9 + 1) +
                                      " column " + std::to_string(cell % 9 + 1) + " holds " +
                                      std::to_string(value) + ", not 0..9");
            }
            puzzles[row][cell] = static_cast<std::uint8_t>(value);
        }
        if (const std::string fault = grid_fault(puzzles[row]); !fault.empty()) {
            throw py::value_error(puzzle_name(row) + ": " + fault);
        }
    }
}

std::vector<Grid> read_array(const py::handle& source) {
    const py::array cells = py::module_::import("numpy").attr("asarray")(source);
    const char kind = cells.dtype().kind();
    if (kind != 'u' && kind != 'i') {
        throw py::type_error("puzzles must hold integers 0..9, not " +
                             py::str(cells.dtype()).cast<std::string>());
    }
    const bool one = cells.ndim() == 1 && cells.shape(0) == 81;
    if (!one && !(cells.ndim() == 2 && cells.shape(1) == 81)) {
        throw py::value_error("puzzles must have the shape (N, 81), 81 cells row by row, not " +
                              py::str(cells.attr("shape")).cast<std::string>());
    }
    std::vector<Grid> puzzles;
    if (cells.dtype().is(py::dtype::of<std::uint8_t>())) {
        read_rows<std::uint8_t>(cells, puzzles);
    } else {
        read_rows<std::int64_t>(cells, puzzles);
    }
    return puzzles;
}

std::vector<Grid> read_lines(const py::sequence& lines) {
    std::vector<Grid> puzzles(lines.size());
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const py::object line = lines[i];
        if (!py::isinstance<py::str>(line)) {
            throw py::type_error(puzzle_name(i) + " is " +
                                 py::repr(py::type::handle_of(line)).cast<std::string>() +
                                 ", not a string");
        }
        const ParsedPuzzle parsed = parse_puzzle(line.cast<std::string>());
        if (!parsed.error.empty()) {
            throw py::value_error(puzzle_name(i) + ": " + parsed.error);
        }
        puzzles[i] = parsed.givens;
    }
    return puzzles;
}

}  // namespace

std::vector<Grid> read_puzzles(const py::handle& source) {
    if (py::isinstance<py::str>(source)) {
        return read_lines(py::make_tuple(source));
    }
    if (!py::isinstance<py::array>(source) && py::isinstance<py::sequence>(source)) {
        const py::sequence items = py::reinterpret_borrow<py::sequence>(source);
        if (items.size() == 0) {
            return {};
        }
        if (py::isinstance<py::str>(items[0])) {
            return read_lines(items);
        }
    }
    return read_array(source);
}

namespace {

// Calls `write_row(row)` for every row, with the GIL released: the rows go into columns of
// a Table made before.
template <class WriteRow>
void write_rows_without_gil(std::size_t rows, const WriteRow& write_row) {
    const py::gil_scoped_release release;
    for (std::size_t row = 0; row < rows; ++row) {
        write_row(row);
    }
}

py::dict grade(const py::object& source) {
    const std::vector<Grid> puzzles = read_puzzles(source);
    // The columns of cellwright-tool grade's JSON records, in their order.
    Table table(puzzles.size());
    std::uint8_t* puzzle = table.add<std::uint8_t>("puzzle", 81);
    std::int32_t* solutions = table.add<std::int32_t>("solutions");
    std::uint8_t* solution = table.add<std::uint8_t>("solution", 81);
    bool* solved = table.add<bool>("solved");
    const CounterColumns counters = add_counter_columns(table);
    std::int32_t* score = table.add<std::int32_t>("score");
    std::int32_t* grade = table.add<std::int32_t>("grade");
    std::int32_t* difficulty_class = table.add<std::int32_t>("class");
    std::int32_t* rated_class = table.add<std::int32_t>("rated_class");
    std::int32_t* rated_grade = table.add<std::int32_t>("rated_grade");
    std::int8_t* outcome = table.add<std::int8_t>("outcome");
    const RatingColumns rating = add_rating_columns(table);
    write_rows_without_gil(puzzles.size(), [&](std::size_t row) {
        const Grading grading = grade_puzzle(puzzles[row]);
        write_grid(puzzle, row, puzzles[row]);
        solutions[row] = grading.solutions;
        write_grid(solution, row, grading.solution);
        solved[row] = grading.solved;
        counters.write(row, grading.counters);
        score[row] = grading.score;
        grade[row] = grading.grade;
        difficulty_class[row] = grading.difficulty_class;
        rated_class[row] = grading.rated_class;
        rated_grade[row] = grading.rated_grade;
        outcome[row] = static_cast<std::int8_t>(grading.outcome);
        rating.write(row, grading.hardest, grading.steps);
    });
    return table.columns();
}

py::dict count(const py::object& source) {
    const std::vector<Grid> puzzles = read_puzzles(source);
    Table table(puzzles.size());
    std::int32_t* solutions = table.add<std::int32_t>("solutions");
    std::uint8_t* solution = table.add<std::uint8_t>("solution", 81);
    write_rows_without_gil(puzzles.size(), [&](std::size_t row) {
        const SolutionCount counted = count_solutions(puzzles[row]);
        solutions[row] = counted.count;
        write_grid(solution, row, counted.solution);
    });
    return table.columns();
}

}  // namespace

void add_grading(py::module_& module) {
    module.def("grade", &grade, py::arg("puzzles"),
               R"(Grade puzzles as cellwright-tool grade does.

`puzzles` is an integer array of shape (N, 81) (or (81,) for one), row by row with 0 for an
empty cell; or a list of text lines (or one line), each 81 cells ('.' or '0' for empty) or a
problem-file line. A bad puzzle raises ValueError (TypeError for a wrong type) naming it by
its position, "puzzle 3: digit 5 twice in row 2", with the tool's words for the fault.

Returns a dict of NumPy arrays, one row per puzzle, in the order of the tool's JSON: puzzle
(uint8[N, 81]), solutions (0, 1, or 2 for two or more), solution (uint8[N, 81]; all 0 unless
there is exactly one), solved (bool: the ladder alone filled every cell), the six ladder
counters, score, grade and class (the ladder's; 0 where the tool's JSON has null: not solved
by the ladder without naked pairs or triples), rated_class (1..5) and rated_grade (1..12; 0
when neither solver finishes), and the step-by-step solver's outcome (int8, an index into
STATUSES: solved, stalled or contradiction), hardest (an index into TECHNIQUES, -1 when it
made no step) and steps (int32[N, 24], per technique). The GIL is released while grading.)");

    module.def("count_solutions", &count, py::arg("puzzles"),
               R"(Count the solutions of puzzles, given as to `grade`, stopping at two.

Returns a dict of NumPy arrays, one row per puzzle: solutions (0, 1, or 2 for two or more)
and solution (uint8[N, 81]: the solution when there is one, one of them when there are more,
all 0 when there is none).)");
}

}  // namespace cellwright::python
