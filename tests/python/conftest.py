# What the tests of the Python module share: cellwright-tool, to compare the module with.
import json
import os
import subprocess

import pytest


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
