# generate, batch and shard_range: the same problems as cellwright-tool, byte for byte, for
# any seed, start and number of threads, and shards that join into the whole run.
import os
import re
import signal
import subprocess
import sys
import time

import numpy as np
import pytest

import cellwright
from conftest import cells, json_records, steps_row, technique_code

RUNS = [  # klass, seed, start, count, jobs, technique
    (1, 0, 0, 5, None, None),
    (2, 7, 1000, 4, 1, None),
    (3, 2**64 - 1, 2**40, 3, 2, None),
    (3, 20261209, 5, 6, 3, None),
    (4, 11, 0, 3, 2, None),
    (5, 12, 30, 2, 2, None),
    (5, 13, 0, 2, 1, "x_wing"),
]


@pytest.mark.parametrize("klass, seed, start, count, jobs, technique", RUNS)
def test_generate_holds_the_tools_problems(tool, klass, seed, start, count, jobs, technique):
    made = cellwright.generate(count, klass, seed, start=start, jobs=jobs, technique=technique)
    run = tool("generate", "--class", klass, "--seed", seed, "--start", start, "--count", count,
               "--format", "json", *(["--technique", technique] if technique else []))
    assert run.returncode == 0, run.stderr
    records = json_records(run.stdout)
    assert len(records) == count == len(made["index"])
    for row, record in enumerate(records):
        for name in ["index", "class", "grade"]:
            assert made[name][row] == record[name], (row, name)
        for name in cellwright.COUNTERS:
            assert made[name][row] == record["counters"][name], (row, name)
        assert made["givens"][row].tolist() == cells(record["givens"]), row
        assert made["solution"][row].tolist() == cells(record["solution"]), row
        assert made["score"][row] == (record["score"] or 0), row
        assert made["hardest"][row] == technique_code(record["hardest"]), row
        assert made["steps"][row].tolist() == steps_row(record["steps"]), row
        if technique:
            assert cellwright.TECHNIQUES[made["hardest"][row]] == technique, row
    assert made["givens"].dtype == np.uint8 and made["givens"].shape == (count, 81)


def test_shards_join_into_the_whole_run():
    whole = cellwright.generate(11, 1, 99, start=3, jobs=2)
    for shards in [1, 2, 4, 12]:
        parts = [cellwright.generate(11, 1, 99, start=3, jobs=1 + i % 2, shard=(i, shards))
                 for i in range(shards)]
        for name, column in whole.items():
            assert np.array_equal(np.concatenate([part[name] for part in parts]), column), \
                (shards, name)
        assert [list(cellwright.shard_range(11, (i, shards), start=3)) for i in range(shards)] \
            == [part["index"].tolist() for part in parts]


@pytest.mark.parametrize("klass", [1, 2, 3])
def test_batch_is_the_programs_batch(tool, klass):
    made = cellwright.batch(0, klass)
    with open(os.path.join(os.environ["CELLWRIGHT_SOURCE_DIR"],
                           f"tests/data/seed0_class{klass}.dat")) as known:
        lines = known.read().splitlines()
    assert len(lines) == cellwright.PROBLEMS_PER_BATCH == len(made["grade"])
    assert made["index"].tolist() == list(range(30))
    for row, line in enumerate(lines):
        grade, *rows = line.split("/")[:10]
        assert made["grade"][row] == int(grade), row
        assert made["givens"][row].tolist() == cells("".join(rows)), row


@pytest.mark.parametrize("call, error, message", [
    (lambda: cellwright.generate(1, 6, 1), ValueError, "klass must be 1..5, not 6"),
    (lambda: cellwright.batch(1, 4), ValueError, "klass must be 1..3, not 4"),
    (lambda: cellwright.generate(1, 5, 1, technique="x"), ValueError, "no technique is called x"),
    (lambda: cellwright.generate(1, 3, 1, technique="x_wing"), ValueError,
     "no problem of class 3 has x_wing as its hardest technique"),
    (lambda: cellwright.generate(-1, 1, 1), ValueError, "count must be 0..2**64-1, not -1"),
    (lambda: cellwright.generate(1, 1, 2**64), ValueError, "seed must be 0..2**64-1"),
    (lambda: cellwright.generate(1, 1, 1.5), TypeError, "seed must be an integer"),
    (lambda: cellwright.generate(2, 1, 1, start=2**64 - 1), ValueError, "passes 2**64"),
    (lambda: cellwright.generate(1, 1, 1, jobs=0), ValueError, "jobs must be 1..1024"),
    (lambda: cellwright.generate(1, 1, 1, shard=(3, 3)), ValueError, "0 <= I < N"),
    (lambda: cellwright.generate(1, 1, 1, shard="0/2"), ValueError, "pair (I, N)"),
    (lambda: cellwright.batch(2**32, 1), ValueError, "seed must be 0..4294967295"),
])
def test_refuses_bad_arguments(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


def test_ctrl_c_stops_a_long_run():
    # Far more problems than the child makes before the signal: it must stop, not finish.
    child = subprocess.Popen(
        [sys.executable, "-c", "import cellwright, sys; print('go', flush=True); "
         "cellwright.generate(100000, 3, 1, jobs=1)"],
        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    assert child.stdout.readline() == "go\n"
    time.sleep(1)  # well inside generate, which would run for minutes
    child.send_signal(signal.SIGINT)
    _, errors = child.communicate(timeout=60)
    assert "KeyboardInterrupt" in errors
