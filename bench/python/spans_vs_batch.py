#!/usr/bin/python3
"""A million rows of spanwright.spans against spanwright-cli batch on the
same rows written as a CSV file: the best of three runs of each, and their
ratio (spans over batch).

Usage: PYTHONPATH=build/python/package bench/python/spans_vs_batch.py build/bin/spanwright-cli [ROWS]
"""

import csv
import os
import random
import subprocess
import sys
import tempfile
import time

import pandas

import spanwright

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def census_like_date(rng):
    """The dates of linked records: mostly numeric, some worded, a few years."""
    year, month, day = rng.randint(1780, 1950), rng.randint(1, 12), rng.randint(1, 28)
    form = rng.randrange(10)
    if form < 7:
        return f"{month}/{day}/{year}"
    if form < 9:
        return f"{day} {MONTHS[month - 1]} {year}"
    return str(year)


def best_of(runs, work):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    cli = sys.argv[1]
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    rng = random.Random(34)
    begins = [census_like_date(rng) for _ in range(rows)]
    ends = [census_like_date(rng) for _ in range(rows)]
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "rows.csv")
        with open(path, "w", newline="") as file:
            writer = csv.writer(file, lineterminator="\n")
            writer.writerow(["begin", "end"])
            writer.writerows(zip(begins, ends))
        output = os.path.join(folder, "out.csv")
        command = [cli, "batch", "--begin", "begin", "--end", "end", "-o", output, path]
        batch = best_of(3, lambda: subprocess.run(command, check=False, stderr=subprocess.DEVNULL))
        frame = pandas.read_csv(path, dtype=str, keep_default_na=False)
    in_memory = best_of(3, lambda: spanwright.spans(frame["begin"], frame["end"]))
    print(f"{rows} rows, {os.cpu_count()} cores")
    print(f"spanwright-cli batch (file to file): {batch:.3f} s")
    print(f"spanwright.spans (Series to DataFrame): {in_memory:.3f} s")
    print(f"ratio spans / batch: {in_memory / batch:.2f} (at most 1.5 asked)")


if __name__ == "__main__":
    main()
