#!/usr/bin/python3
"""One run over the same rows: spanwright.narrow_frame against
spanwright-cli narrow --csv, and spanwright.dask.spans and
spanwright.dask.narrow on a distributed.LocalCluster of two worker
processes against the in-process functions and the command line. Each
figure is the best of three runs; the ratios are Python over the command
line, and Dask over in-process.

The Dask runs start from a frame already spread over the workers (as one
read from Parquet files on them is) and gather the whole answer back into
the client, so they count the moves between processes the cluster makes.

Usage: PYTHONPATH=build/python/package bench/python/narrow_and_dask.py build/bin/spanwright-cli [ROWS [PARTITIONS]]
"""

import csv
import os
import random
import subprocess
import sys
import tempfile
import time

import dask.dataframe
import distributed
import pandas

import spanwright
import spanwright.dask
from spans_vs_batch import best_of, census_like_date

CENSUSES = [1850, 1860, 1870, 1880, 1900, 1910]


def census_records(rng, rows):
    """Linked census records: about three a person, a stated age each,
    mostly right, sometimes a year off or more, as enumerators wrote them."""
    people = max(rows // 3, 1)
    records = []
    for _ in range(rows):
        person = rng.randrange(people)
        born = 1780 + person % 120
        census = rng.choice(CENSUSES)
        age = max(census - born + rng.choice([0, 0, 0, -1, 1, 5]), 0)
        records.append((f"p{person}", f"US {census} census", str(age)))
    return records


def write_csv(path, header, rows):
    with open(path, "w", newline="", encoding="utf-8") as file:
        writer = csv.writer(file, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)


def run_cli(command):
    """The best of three runs; status 1 (some rows without an answer) is an
    answer, anything else a mistake in the benchmark."""
    def run():
        status = subprocess.run(command, check=False, stderr=subprocess.DEVNULL).returncode
        if status not in (0, 1):
            raise RuntimeError(f"{' '.join(command)}: status {status}")
    return best_of(3, run)


def timed_on_cluster(client, frame, partitions, work):
    """The best of three runs of work(ddf).compute() over the frame spread
    over the workers beforehand."""
    ddf = client.persist(dask.dataframe.from_pandas(frame, npartitions=partitions, sort=False))
    distributed.wait(ddf)
    return best_of(3, lambda: work(ddf).compute())


def report(name, seconds, *against):
    ratios = "".join(f", {seconds / other:.2f} x {label}" for label, other in against)
    print(f"{name}: {seconds:.3f} s{ratios}")


def main():
    cli = sys.argv[1]
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    partitions = int(sys.argv[3]) if len(sys.argv) > 3 else 8
    rng = random.Random(34)
    pairs = [(census_like_date(rng), census_like_date(rng)) for _ in range(rows)]
    records = census_records(rng, rows)
    with tempfile.TemporaryDirectory() as folder:
        pairs_path, records_path = os.path.join(folder, "pairs.csv"), os.path.join(folder, "records.csv")
        write_csv(pairs_path, ["begin", "end"], pairs)
        write_csv(records_path, ["person", "date", "age"], records)
        output = os.path.join(folder, "out.csv")
        batch = run_cli([cli, "batch", "--begin", "begin", "--end", "end", "-o", output, pairs_path])
        narrow_cli = run_cli([cli, "narrow", "--csv", records_path, "--person", "person", "--date", "date",
                              "--age", "age", "-o", output])
        pair_frame = pandas.read_csv(pairs_path, dtype=str, keep_default_na=False)
        record_frame = pandas.read_csv(records_path, dtype=str, keep_default_na=False)
    spans = best_of(3, lambda: spanwright.spans(pair_frame["begin"], pair_frame["end"]))
    narrow = best_of(3, lambda: spanwright.narrow_frame(record_frame, "person", "date", "age"))
    with distributed.LocalCluster(n_workers=2, processes=True, threads_per_worker=1,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        dask_spans = timed_on_cluster(client, pair_frame, partitions,
                                      lambda ddf: spanwright.dask.spans(ddf, begin="begin", end="end"))
        dask_narrow = timed_on_cluster(client, record_frame, partitions,
                                       lambda ddf: spanwright.dask.narrow(ddf, person="person", date="date", age="age"))
    print(f"{rows} span pairs and {rows} records of about {rows // 3} people; {os.cpu_count()} cores; "
          f"Dask: 2 worker processes of one thread, {partitions} partitions")
    report("spanwright-cli batch (file to file)", batch)
    report("spanwright.spans (Series to DataFrame)", spans, ("batch", batch))
    report("spanwright.dask.spans (gathered)", dask_spans, ("spans", spans), ("batch", batch))
    report("spanwright-cli narrow --csv (file to file)", narrow_cli)
    report("spanwright.narrow_frame", narrow, ("narrow --csv", narrow_cli))
    report("spanwright.dask.narrow (gathered)", dask_narrow, ("narrow_frame", narrow), ("narrow --csv", narrow_cli))


if __name__ == "__main__":
    main()
