// generate, batch and shard_range: problems made by the library, as columns of NumPy arrays.

#include <chrono>

#include "binding.hpp"

namespace cellwright::python {
namespace {

// The columns of made problems, in the order of cellwright-tool generate's JSON records.
struct ProblemColumns {
    std::uint64_t* index;
    std::int32_t* difficulty_class;
    std::int32_t* grade;
    std::int32_t* score;
    CounterColumns counters;
    std::uint8_t* givens;
    std::uint8_t* solution;
    RatingColumns rating;

    explicit ProblemColumns(Table& table)
        : index(table.add<std::uint64_t>("index")),
          difficulty_class(table.add<std::int32_t>("class")),
          grade(table.add<std::int32_t>("grade")),
          score(table.add<std::int32_t>("score")),
          counters(add_counter_columns(table)),
          givens(table.add<std::uint8_t>("givens", 81)),
          solution(table.add<std::uint8_t>("solution", 81)),
          rating(add_rating_columns(table)) {}

    void write(std::size_t row, std::uint64_t number, const Problem& problem) const noexcept {
        index[row] = number;
        difficulty_class[row] = problem.difficulty_class;
        grade[row] = problem.grade;
        score[row] = problem.score;
        counters.write(row, problem.counters);
        write_grid(givens, row, problem.givens);
        write_grid(solution, row, problem.solution);
        rating.write(row, problem.hardest, problem.steps);
    }
};

// How often a long run looks for Ctrl-C (KeyboardInterrupt) and other signals.
constexpr std::chrono::milliseconds SIGNAL_CHECK_INTERVAL{100};

py::dict generate(const py::object& count, const py::object& klass, const py::object& seed,
                  const py::object& start, const py::object& jobs, const py::object& shard,
                  const py::object& technique) {
    const ProblemKind kind = problem_kind(klass, technique);
    const std::uint64_t run_seed = whole_number(seed, "seed");
    const unsigned threads = job_count(jobs);
    const ProblemRange range =
        requested_range(whole_number(count, "count"), whole_number(start, "start"), shard);

    Table table(range.count);
    const ProblemColumns columns(table);
    bool interrupted = false;
    {
        // The threads and the copying run without the GIL; the calling thread takes it back
        // now and then only to let Python handle a signal.
        const py::gil_scoped_release release;
        auto checked = std::chrono::steady_clock::now();
        generate_problems(run_seed, range.first, range.count, kind, threads,
                          [&](std::uint64_t index, const Problem& problem) {
                              columns.write(index - range.first, index, problem);
                              const auto now = std::chrono::steady_clock::now();
                              if (now - checked < SIGNAL_CHECK_INTERVAL) {
                                  return true;
                              }
                              checked = now;
                              const py::gil_scoped_acquire acquire;
                              interrupted = PyErr_CheckSignals() != 0;
                              return !interrupted;
                          });
    }
    if (interrupted) {
        throw py::error_already_set();
    }
    return table.columns();
}

py::dict batch(const py::object& seed, const py::object& klass) {
    const auto tick_count = static_cast<std::uint32_t>(whole_number(seed, "seed", 0, UINT32_MAX));
    const int difficulty = difficulty_class(klass, 3);
    std::vector<Problem> problems;
    {
        const py::gil_scoped_release release;
        problems = make_batch(tick_count, difficulty);
    }
    Table table(problems.size());
    const ProblemColumns columns(table);
    for (std::size_t row = 0; row < problems.size(); ++row) {
        columns.write(row, row, problems[row]);
    }
    return table.columns();
}

py::object shard_of(const py::object& count, const py::object& shard, const py::object& start) {
    const ProblemRange range =
        requested_range(whole_number(count, "count"), whole_number(start, "start"), shard);
    const py::int_ first(range.first);
    return py::module_::import("builtins").attr("range")(first, first + py::int_(range.count));
}

}  // namespace

void add_generation(py::module_& module) {
    module.def("generate", &generate, py::arg("count"), py::arg("klass"), py::arg("seed"),
               py::arg("start") = 0, py::arg("jobs") = py::none(), py::arg("shard") = py::none(),
               py::arg("technique") = py::none(),
               R"(Make `count` problems of difficulty class `klass`: 1 (easiest) to 3 as the
program's batches, 4 (needs naked pairs or triples) or 5 (needs more than the batches'
techniques). With `technique` (a key from TECHNIQUES, classes 4 and 5 only) only problems
whose hardest technique it is, as `cellwright-tool generate --technique`.

Problem i is the first problem of its class in a random stream of its own drawn from `seed`
and i, so the result depends on `seed`, `start` and `count` alone: it holds the problems
`cellwright-tool generate --class KLASS --seed SEED --start START --count COUNT` writes, for
any number of `jobs` (threads; None for one per core). The GIL is released while they are
made. With `shard=(I, N)` only shard I (0..N-1) of N of those problems is made; the N shards
joined in order are the whole run (see `shard_range`).

Returns a dict of NumPy arrays with one row per problem, in the order of the tool's JSON:
index (uint64, the problem's number), class, grade (1..12), score (0 for classes 4 and 5),
the six ladder counters (int32; see COUNTERS), givens and solution (uint8[rows, 81], row by
row, 0 for an empty cell), hardest (int8: the step-by-step solver's dearest technique, an
index into TECHNIQUES) and steps (int32[rows, 24]: its steps per technique, in the order of
TECHNIQUES). Ctrl-C stops a long run with KeyboardInterrupt.)");

    module.def("batch", &batch, py::arg("seed"), py::arg("klass"),
               R"(The 30 problems the program `cellwright cKLASS` writes when its tick count
is `seed` (0..2**32-1), in file order, for a class 1..3: the problems of `cellwright-tool
batch --class KLASS --seed SEED`. The same columns as `generate`, with `index` 0..29.)");

    module.def("shard_range", &shard_of, py::arg("count"), py::arg("shard"), py::arg("start") = 0,
               R"(The problem numbers of shard (I, N) of a run of `count` problems from
`start`, as a range. The shards follow each other and cover the run exactly; their borders
depend on `count` and N alone, and the first count % N shards hold one problem more.)");
}

}  // namespace cellwright::python
