# What the tests of the Python module share: cellwright-tool, to compare the module with.
import json
import os
import subprocess

import numpy as np
import pytest

import cellwright


@pytest.fixture
def tool():
    """Runs cellwright-tool with the given arguments (and standard input); returns the
    completed process. Skips the test when the tool was not built."""
    path = os.environ.get("CELLWRIGHT_TOOL")
    if not path:
        pytest.skip("cellwright-tool not built")

    def run(*arguments, stdin=""):
        return subprocess.run([path, *map(str, arguments)], input=stdin, capture_output=True,
                              text=True)
    return run


def json_records(text):
    return [json.loads(line) for line in text.splitlines()]


def cells(grid_text):
    """An 81-character line as a list of cell values, 0 for '.'."""
    return [0 if c == "." else int(c) for c in grid_text]


def technique_code(key):
    """The code of a technique key in the module's arrays; -1 for None (JSON null)."""
    return -1 if key is None else cellwright.TECHNIQUES.index(key)


def steps_row(steps):
    """A JSON record's steps ({"x_wing": 2, ...}) as a row of the module's steps array."""
    return [steps.get(key, 0) for key in cellwright.TECHNIQUES]


def wrong_digit_added(givens, solution):
    """`givens` with a digit that clashes with none but is not the solution's."""
    for cell in np.flatnonzero(givens == 0):
        for digit in set(range(1, 10)) - {solution[cell]}:
            wrong = givens.copy()
            wrong[cell] = digit
            try:
                if cellwright.count_solutions(wrong)["solutions"][0] == 0:
                    return wrong
            except ValueError:  # a clash
                pass
    raise AssertionError("no wrong digit fits")


def varied_puzzles():
    """Generated problems and their solutions; the same with givens taken away (several
    solutions, or too hard for the ladder) or a wrong digit added (none); an empty grid."""
    puzzles = []
    for klass in [1, 2, 3, 4, 5]:
        made = cellwright.generate(3, klass, 31 + klass)
        for givens, solution in zip(made["givens"], made["solution"]):
            filled = np.flatnonzero(givens)
            fewer = givens.copy()
            fewer[filled[:4]] = 0
            puzzles += [givens, solution, fewer, wrong_digit_added(givens, solution)]
    puzzles.append(np.zeros(81, np.uint8))
    return np.array(puzzles, dtype=np.uint8)


def as_lines(puzzles):
    return ["".join(str(c) if c else "." for c in row) for row in puzzles]
