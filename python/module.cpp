// The Python module `cellwright`: Sudoku problems made and graded by the library, as NumPy
// arrays for building datasets. See the README's "Python" section.

#include "binding.hpp"

PYBIND11_MODULE(cellwright, module) {
    namespace py = pybind11;
    module.doc() =
        "Sudoku problems made and graded as a puzzle maker grades them, by solving each with a "
        "fixed ladder of human techniques, and rated beyond it by a step-by-step solver, as NumPy "
        "arrays: generate, batch, grade, count_solutions, shard_range; explain and hint show the "
        "steps.";
    module.attr("__version__") = cellwright::version();
    module.attr("COUNTERS") = cellwright::python::counter_names();
    module.attr("TECHNIQUES") = cellwright::python::technique_keys();
    module.attr("TECHNIQUE_NAMES") = cellwright::python::technique_names();
    module.attr("STATUSES") = cellwright::python::status_keys();
    module.attr("MAX_JOBS") = cellwright::MAX_JOBS;
    module.attr("PROBLEMS_PER_BATCH") = cellwright::PROBLEMS_PER_BATCH;
    cellwright::python::add_generation(module);
    cellwright::python::add_grading(module);
    cellwright::python::add_explaining(module);
}
