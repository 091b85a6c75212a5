#!/usr/bin/python3
"""How well the estimate's bounds hold births it was not told.

For each GEDCOM file given: a quarter of the people with an exact birth
date (one the program reads as a single day), drawn with a fixed seed, lose
the DATE line of their birth; spanwright-cli estimate bounds the births of the tree thus
cut; the true births are then compared with the bounds. Prints, per tree
and in all: the births hidden, how many lie inside the certain bounds (all
of them must), inside the likely ones (at least 95 % should), the share
given likely bounds closed on both sides, and the median width of those.

    bench/estimate/holdout.py [--cli PATH] [--seed N] TREE.ged...
"""
import argparse
import csv
import datetime
import io
import random
import re
import statistics
import subprocess
import sys

# A GEDCOM line, as written with one or more blanks between its parts.
LINE = re.compile(r"^\s*(\d+)\s+(@[^@]+@)?\s*(\S+)\s?(.*)$")


def estimate(cli, text):
    out = subprocess.run([cli, "estimate", "-"], input=text, capture_output=True, check=True).stdout
    return {row["id"]: row for row in csv.DictReader(io.StringIO(out.decode("utf-8")))}


def exact_births(rows):
    """The people whose birth the tree dates to one day, and that day."""
    births = {}
    for person, row in rows.items():
        if row["birth"] and row["birth_earliest"] and row["birth_earliest"] == row["birth_latest"]:
            births[person] = read_bound(row["birth_earliest"])
    return births


def hide_births(lines, exact, seed):
    """The lines without a quarter of the exact births' DATE lines (every
    BIRT's of the person, so that no second birth tells it), and those
    births by id."""
    birth_dates = {}  # id: the indices of the DATE lines of their BIRT events
    person, in_birth = None, False
    for i, line in enumerate(lines):
        match = LINE.match(line.rstrip("\r\n"))
        if not match:
            continue
        level, xref, tag, value = match.groups()
        if level == "0":
            person = xref.strip("@") if xref and tag.upper() == "INDI" else None
            in_birth = False
        elif level == "1":
            in_birth = person in exact and tag == "BIRT"
        elif level == "2" and in_birth and tag == "DATE":
            birth_dates.setdefault(person, []).append(i)
    people = sorted(birth_dates)
    hidden = random.Random(seed).sample(people, len(people) // 4)
    drop = {i for p in hidden for i in birth_dates[p]}
    return [line for i, line in enumerate(lines) if i not in drop], {p: exact[p] for p in hidden}


def read_bound(text):
    if not text:
        return None
    month, day, year = (int(x) for x in text.split("/"))
    return datetime.date(year, month, day)


def inside(day, earliest, latest):
    return (earliest is None or earliest <= day) and (latest is None or day <= latest)


def measure(cli, path, seed):
    with open(path, "rb") as f:
        lines = f.read().splitlines(keepends=True)
    exact = exact_births(estimate(cli, b"".join(lines)))
    kept, hidden = hide_births([line.decode("latin-1") for line in lines], exact, seed)
    rows = estimate(cli, "".join(kept).encode("latin-1"))
    result = {"hidden": len(hidden), "certain": 0, "likely": 0, "closed": 0, "widths": [], "misses": [],
              "likely_misses": []}
    for person, day in hidden.items():
        row = rows[person]
        if inside(day, read_bound(row["birth_earliest"]), read_bound(row["birth_latest"])):
            result["certain"] += 1
        else:
            result["misses"].append(f"{person} born {day} outside the certain bounds: {row}")
        early, late = read_bound(row["birth_likely_earliest"]), read_bound(row["birth_likely_latest"])
        result["likely"] += inside(day, early, late)
        if not inside(day, early, late):
            result["likely_misses"].append(f"{person} born {day} outside the likely bounds {early} to {late}: {row['reasons']}")
        if early and late:
            result["closed"] += 1
            result["widths"].append((late - early).days + 1)
    return result


def report(name, r, verbose=False):
    n = r["hidden"]
    if n == 0:
        print(f"{name}: no exact birth to hide")
        return
    width = statistics.median(r["widths"]) / 365.25 if r["widths"] else float("nan")
    print(f"{name}: {n} births hidden; inside the certain bounds {r['certain']} ({100 * r['certain'] / n:.1f} %), "
          f"inside the likely {r['likely']} ({100 * r['likely'] / n:.1f} %); likely bounds closed for "
          f"{r['closed']} ({100 * r['closed'] / n:.1f} %), median width {width:.1f} years")
    for miss in r["misses"][:5]:
        print("  " + miss)
    if verbose:
        for miss in r["likely_misses"]:
            print("  " + miss)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/bin/spanwright-cli")
    parser.add_argument("--seed", type=int, default=37)
    parser.add_argument("--misses", action="store_true", help="names every birth outside the likely bounds")
    parser.add_argument("trees", nargs="+")
    args = parser.parse_args()
    total = {"hidden": 0, "certain": 0, "likely": 0, "closed": 0, "widths": [], "misses": [], "likely_misses": []}
    for path in args.trees:
        r = measure(args.cli, path, args.seed)
        report(path, r, args.misses)
        for key in total:
            total[key] += r[key]
    if len(args.trees) > 1:
        report("all", total)
    return 0 if total["certain"] == total["hidden"] else 1


if __name__ == "__main__":
    sys.exit(main())
