# grade and count_solutions: the fields cellwright-tool grade writes, from arrays or text, and
# its words for every bad puzzle.
import re

import numpy as np
import pytest

import cellwright
from conftest import as_lines, cells, json_records, steps_row, technique_code, varied_puzzles


def test_grade_writes_the_tools_fields(tool):
    puzzles = varied_puzzles()
    graded = cellwright.grade(puzzles)
    run = tool("grade", stdin="".join(line + "\n" for line in as_lines(puzzles)))
    assert run.returncode == 0, run.stderr
    records = json_records(run.stdout)
    assert len(records) == len(puzzles)
    assert {0, 1, 2} <= set(graded["solutions"].tolist()), "every kind of puzzle is there"
    assert set(graded["solved"].tolist()) == {False, True}
    assert {1, 2, 3} <= set(graded["outcome"].tolist()), "solved, stalled and contradiction"
    for row, record in enumerate(records):
        assert graded["puzzle"][row].tolist() == cells(record["puzzle"]), row
        for name in ["solutions", "solved", "score", "grade", "class", "rated_class",
                     "rated_grade"]:
            assert graded[name][row] == (record[name] or 0), (row, name)
        for name in cellwright.COUNTERS:
            assert graded[name][row] == record["counters"][name], (row, name)
        assert graded["solution"][row].tolist() == cells(record["solution"] or "." * 81), row
        assert cellwright.STATUSES[graded["outcome"][row]] == record["outcome"], row
        assert graded["hardest"][row] == technique_code(record["hardest"]), row
        assert graded["steps"][row].tolist() == steps_row(record["steps"]), row
    counted = cellwright.count_solutions(puzzles)
    assert np.array_equal(counted["solutions"], graded["solutions"])
    unique = graded["solutions"] == 1
    assert np.array_equal(counted["solution"][unique], graded["solution"][unique])


def test_every_form_of_input_reads_alike():
    puzzles = varied_puzzles()[:6]
    lines = as_lines(puzzles)
    problem_line = f"5/{'/'.join(lines[0][i:i + 9] for i in range(0, 81, 9))}/"
    expected = cellwright.grade(puzzles)
    for other in [lines, tuple(lines), puzzles.astype(np.int64), puzzles.tolist()]:
        for name, column in cellwright.grade(other).items():
            assert np.array_equal(column, expected[name]), (type(other), name)
    for one in [lines[0], problem_line, puzzles[0]]:
        assert cellwright.grade(one)["puzzle"].tolist() == [puzzles[0].tolist()], one
    assert cellwright.grade([])["puzzle"].shape == (0, 81)


BAD_LINES = [
    "x",
    "1" * 80,
    "." * 40 + "x" + "." * 40,
    "12" + "." * 7 + "1" + "." * 71,  # 1 twice in column 1
    "11" + "." * 79,
    "3/" + "." * 80,
]


def test_bad_lines_raise_the_tools_words(tool):
    run = tool("grade", stdin="".join(line + "\n" for line in BAD_LINES))
    reasons = [re.sub(r"^<stdin>:\d+: ", "", line) for line in run.stderr.splitlines()]
    assert len(reasons) == len(BAD_LINES), run.stderr
    for line, reason in zip(BAD_LINES, reasons):
        with pytest.raises(ValueError) as raised:
            cellwright.grade(["." * 81, line])
        assert str(raised.value) == f"puzzle 1: {reason}"


@pytest.mark.parametrize("puzzles, error, message", [
    (np.zeros((2, 80), np.uint8), ValueError, "shape (N, 81), 81 cells row by row, not (2, 80)"),
    (np.zeros((2, 81)), TypeError, "integers 0..9, not float64"),
    (np.array([[0] * 80 + [10]]), ValueError, "puzzle 0: row 9 column 9 holds 10, not 0..9"),
    (np.array([[0] * 80 + [-1]]), ValueError, "puzzle 0: row 9 column 9 holds -1, not 0..9"),
    (np.array([[5] + [0] * 7 + [5] + [0] * 72] * 2), ValueError, "puzzle 0: digit 5 twice in row 1"),
    (["." * 81, 7], TypeError, "puzzle 1 is <class 'int'>, not a string"),
])
def test_bad_arrays_raise_errors_naming_the_fault(puzzles, error, message):
    with pytest.raises(error, match=re.escape(message)):
        cellwright.grade(puzzles)
