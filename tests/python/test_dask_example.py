# examples/dask_generate.py: worker processes of a Dask LocalCluster make the shards of a run,
# and the shards joined are exactly one cellwright.generate call; a second run makes nothing
# anew and a run of other problems overwrites nothing.
import os
import runpy
import subprocess
import sys

import numpy as np

import cellwright

EXAMPLE = os.path.join(os.environ["CELLWRIGHT_SOURCE_DIR"], "examples", "dask_generate.py")


def run_example(output, seed):
    return subprocess.run(
        [sys.executable, EXAMPLE, "--class", "2", "--count", "23", "--seed", str(seed),
         "--start", "4", "--shards", "5", "--workers", "2", "--output", str(output)],
        capture_output=True, text=True, timeout=300)


def test_dask_shards_join_into_one_generate_call(tmp_path):
    load_dataset = runpy.run_path(EXAMPLE, run_name="dask_generate")["load_dataset"]

    made = run_example(tmp_path, 11)
    assert made.returncode == 0, made.stderr
    dataset = load_dataset(tmp_path)
    expected = cellwright.generate(23, 2, 11, start=4)
    assert dataset.keys() == expected.keys()
    for name, column in expected.items():
        assert np.array_equal(dataset[name], column), name

    files = {name: os.stat(tmp_path / name).st_mtime_ns for name in os.listdir(tmp_path)}
    assert len(files) == 5
    again = run_example(tmp_path, 11)
    assert again.returncode == 0, again.stderr
    other = run_example(tmp_path, 12)
    assert other.returncode == 1 and "holds another run; not overwritten" in other.stderr
    assert {name: os.stat(tmp_path / name).st_mtime_ns for name in os.listdir(tmp_path)} == files
