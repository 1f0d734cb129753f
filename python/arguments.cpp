#include "binding.hpp"

#include <string>

namespace cellwright::python {
namespace {

std::string shown(const py::handle& value) {
    return py::repr(value).cast<std::string>();
}

}  // namespace

std::uint64_t whole_number(const py::handle& value, const char* name, std::uint64_t smallest,
                           std::uint64_t largest) {
    // operator.index takes Python and NumPy integers and nothing else (no floats, no text).
    if (py::isinstance<py::bool_>(value) || !PyIndex_Check(value.ptr())) {
        throw py::type_error(std::string(name) + " must be an integer, not " +
                             shown(py::type::handle_of(value)));
    }
    const py::int_ number = py::reinterpret_steal<py::int_>(PyNumber_Index(value.ptr()));
    if (!number) {
        throw py::error_already_set();
    }
    const std::string range = std::to_string(smallest) + ".." +
                              (largest == UINT64_MAX ? "2**64-1" : std::to_string(largest));
    const bool negative = number < py::int_(0);
    const unsigned long long read = negative ? 0 : PyLong_AsUnsignedLongLong(number.ptr());
    if (negative || PyErr_Occurred() != nullptr || read < smallest || read > largest) {
        PyErr_Clear();
        throw py::value_error(std::string(name) + " must be " + range + ", not " + shown(value));
    }
    return read;
}

int difficulty_class(const py::handle& value, int hardest) {
    return static_cast<int>(whole_number(value, "klass", 1, static_cast<std::uint64_t>(hardest)));
}

ProblemKind problem_kind(const py::handle& klass, const py::handle& technique) {
    ProblemKind kind{difficulty_class(klass, 5), std::nullopt};
    if (technique.is_none()) {
        return kind;
    }
    if (!py::isinstance<py::str>(technique)) {
        throw py::type_error("technique must be a technique's key such as 'x_wing', not " +
                             shown(technique));
    }
    const std::string key = technique.cast<std::string>();
    kind.hardest = technique_from_key(key);
    if (!kind.hardest) {
        throw py::value_error("no technique is called " + key + " (see TECHNIQUES)");
    }
    if (!is_possible_kind(kind)) {
        throw py::value_error("no problem of class " + std::to_string(kind.difficulty_class) +
                              " has " + key +
                              " as its hardest technique (technique needs class 4 or 5 and a "
                              "technique from claiming on)");
    }
    return kind;
}

unsigned job_count(const py::handle& jobs) {
    if (jobs.is_none()) {
        return 0;
    }
    return static_cast<unsigned>(whole_number(jobs, "jobs", 1, MAX_JOBS));
}

ProblemRange requested_range(std::uint64_t count, std::uint64_t start, const py::handle& shard) {
    if (start > UINT64_MAX - count) {
        throw py::value_error("start plus count passes 2**64");
    }
    if (shard.is_none()) {
        return {start, count};
    }
    const std::string fault = "shard must be a pair (I, N) of integers with 0 <= I < N, not ";
    if (!py::isinstance<py::sequence>(shard) || py::isinstance<py::str>(shard) ||
        py::len(shard) != 2) {
        throw py::value_error(fault + shown(shard));
    }
    const py::sequence pair = py::reinterpret_borrow<py::sequence>(shard);
    const std::uint64_t index = whole_number(pair[0], "shard index");
    const std::uint64_t shards = whole_number(pair[1], "shard count");
    if (index >= shards) {
        throw py::value_error(fault + shown(shard));
    }
    return shard_range(start, count, index, shards);
}

}  // namespace cellwright::python
