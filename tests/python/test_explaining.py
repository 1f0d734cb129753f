# explain and hint: the steps, words and outcomes of cellwright-tool explain, for puzzles
# that the solver finishes, stalls on or finds a contradiction in.

import pytest

import cellwright
from conftest import as_lines, json_records, varied_puzzles

UNIT_KINDS = ["row", "column", "box"]


def as_tools(step):
    """A step of the module in the form of the tool's JSON."""
    def cell_digits(entries):
        return [{"cell": f"r{cell // 9 + 1}c{cell % 9 + 1}", "digits": digits}
                for cell, digits in entries]
    placement = step["placement"]
    return {
        "technique": step["technique"], "text": step["text"],
        "units": [f"{UNIT_KINDS[unit // 9]} {unit % 9 + 1}" for unit in step["units"]],
        "pattern": cell_digits(step["pattern"]),
        "placement": placement and {"cell": f"r{placement[0] // 9 + 1}c{placement[0] % 9 + 1}",
                                    "digit": placement[1]},
        "eliminations": cell_digits(step["eliminations"]),
    }


@pytest.mark.parametrize("call, first", [(cellwright.explain, []), (cellwright.hint, ["--first"])])
def test_explains_as_the_tool_does(tool, call, first):
    puzzles = varied_puzzles()
    run = tool("explain", "--format", "json", *first,
               stdin="".join(line + "\n" for line in as_lines(puzzles)))
    assert run.returncode == 0, run.stderr
    records = json_records(run.stdout)
    assert len(records) == len(puzzles)
    statuses = set()
    for puzzle, line, record in zip(puzzles, as_lines(puzzles), records):
        explained = call(line)
        statuses.add(explained["status"])
        assert explained["status"] == record["status"], line
        assert explained["text"] == record["text"], line
        assert "".join(str(c) if c else "." for c in explained["grid"]) == record["grid"], line
        assert [as_tools(step) for step in explained["steps"]] == record["steps"], line
        assert call(puzzle)["text"] == explained["text"], "an array reads as its line"
    assert statuses >= ({"step", "stalled", "contradiction"} if first else
                        {"solved", "stalled", "contradiction"})


def test_takes_exactly_one_puzzle():
    with pytest.raises(ValueError, match="give one puzzle, not 2"):
        cellwright.explain(["." * 81, "." * 81])
