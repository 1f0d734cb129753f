#!/usr/bin/env python3
"""A dataset of Sudoku problems made by a Dask cluster: one .npz file per shard.

    PYTHONPATH=build/python /usr/bin/python3 examples/dask_generate.py \\
        --class 3 --count 100000 --seed 7 --shards 50 --workers 2 --output dataset

starts a LocalCluster of worker processes on this machine (or, with --scheduler ADDRESS, uses
a running cluster whose workers can import cellwright) and has them make shard I of N of the
run into OUTPUT/shard-0000I-of-0000N.npz, each file written whole or not at all. The shards
joined in order, as load_dataset() joins them, hold exactly what one call
cellwright.generate(count, klass, seed, start) returns. Run again after an interruption, it
makes only the shards that are missing; it never overwrites a file.
"""

import argparse
import os
import sys
import uuid

import numpy as np

import cellwright

# The run a shard file belongs to, stored beside its columns.
RUN_KEYS = ("run_seed", "run_class", "run_start", "run_count", "run_shards")


def shard_path(directory, shard, shards):
    return os.path.join(directory, f"shard-{shard:05d}-of-{shards:05d}.npz")


def run_of(seed, klass, start, count, shards):
    return dict(zip(RUN_KEYS, (seed, klass, start, count, shards)))


def read_run(path):
    with np.load(path) as stored:
        return {key: int(stored[key]) for key in RUN_KEYS}


def make_shard(shard, directory, seed, klass, start, count, shards, jobs):
    """Makes shard `shard` into its file, unless a file of this run already holds it.
    Returns the file's path."""
    path = shard_path(directory, shard, shards)
    run = run_of(seed, klass, start, count, shards)
    if os.path.exists(path):
        if read_run(path) != run:
            raise RuntimeError(f"{path} holds another run; not overwritten")
        return path
    columns = cellwright.generate(count, klass, seed, start=start, jobs=jobs,
                                  shard=(shard, shards))
    # Written under a name of its own and linked into place: the file appears complete or
    # not at all, and a file that appeared meanwhile is never replaced.
    part = f"{path}.{uuid.uuid4().hex}.part"
    descriptor = os.open(part, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o666)
    try:
        with os.fdopen(descriptor, "wb") as file:
            np.savez_compressed(file, **columns, **run)
            file.flush()
            os.fsync(file.fileno())
        os.link(part, path)
    finally:
        os.unlink(part)
    return path


def shard_files(directory):
    return sorted(os.path.join(directory, name) for name in os.listdir(directory)
                  if name.startswith("shard-") and name.endswith(".npz"))


def load_dataset(directory):
    """The columns of every shard in `directory` joined in order; they must be the N
    shards of one run."""
    paths = shard_files(directory)
    if not paths:
        raise RuntimeError(f"{directory}: no shards")
    run = read_run(paths[0])
    expected = [shard_path(directory, i, run["run_shards"]) for i in range(run["run_shards"])]
    if paths != expected or any(read_run(path) != run for path in paths):
        raise RuntimeError(f"{directory}: not the {run['run_shards']} shards of one run")
    parts = [np.load(path) for path in paths]
    columns = [key for key in parts[0].files if key not in RUN_KEYS]
    return {key: np.concatenate([part[key] for part in parts]) for key in columns}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--class", dest="klass", type=int, required=True, help="1..3")
    parser.add_argument("--count", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--start", type=int, default=0)
    parser.add_argument("--shards", type=int, required=True, help="files to write")
    parser.add_argument("--output", required=True, help="directory of the shard files")
    parser.add_argument("--workers", type=int, default=os.cpu_count(),
                        help="worker processes of the LocalCluster (default: one per core)")
    parser.add_argument("--jobs", type=int, default=1, help="threads of each shard's task")
    parser.add_argument("--scheduler", help="address of a running Dask scheduler to use")
    args = parser.parse_args()
    if args.shards < 1:
        parser.error("--shards must be at least 1")

    from dask.distributed import Client, LocalCluster, as_completed

    os.makedirs(args.output, exist_ok=True)
    run = run_of(args.seed, args.klass, args.start, args.count, args.shards)
    for path in shard_files(args.output):
        if read_run(path) != run:
            print(f"dask_generate: {path} holds another run; not overwritten", file=sys.stderr)
            return 1
    cluster = None
    if args.scheduler is None:
        cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                               dashboard_address=None)
    with Client(args.scheduler or cluster) as client:
        futures = client.map(make_shard, range(args.shards), directory=args.output,
                             seed=args.seed, klass=args.klass, start=args.start,
                             count=args.count, shards=args.shards, jobs=args.jobs)
        failed = 0
        for future in as_completed(futures):
            if future.status == "error":
                print(f"dask_generate: {future.exception()}", file=sys.stderr)
                failed += 1
            else:
                print(future.result())
    if cluster is not None:
        cluster.close()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
