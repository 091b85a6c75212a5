"""The rows the tool lists, over a Gramps tree, against spanwright-cli
check's CSV on Gramps' export of it: each filter by rule and certainty
keeps exactly the command line's findings of that rule and certainty, and
every row opens a person or family the tree holds, the one it names.

usage: finding_rows.py TREE CHECK.csv   (HOME holding the tree; the addon's
folder and the spanwright package on PYTHONPATH)"""

import csv
import sys
from collections import Counter

from gramps.gen.db.utils import open_database

from findingrows import finding_rows, rules_of
from treefindings import check_tree


def main(tree, check_path):
    with open(check_path, encoding="utf-8", newline="") as stream:
        expected = Counter((row["rule"], row["certainty"]) for row in csv.DictReader(stream))
    db = open_database(tree, force_unlock=True)
    rows = finding_rows(db, check_tree(db, today="2026-01-01"))
    failures = []
    if sorted(rules_of(rows)) != sorted({rule for rule, _ in expected}):
        failures.append("rules %s, the command line's %s" % (rules_of(rows), sorted(expected)))
    for (rule, certainty), count in expected.items():
        kept = [row for row in rows if row.matches(rule, certainty)]
        if len(kept) != count or any((row.rule, row.certainty) != (rule, certainty) for row in kept):
            failures.append("%s %s: %d rows, the command line %d" % (rule, certainty, len(kept), count))
    if len([row for row in rows if row.matches()]) != sum(expected.values()):
        failures.append("no filter does not keep every row")
    for row in rows:
        kind, record = row.record(db) or (None, None)
        wanted = row.finding.person_id or row.finding.family_id
        if record is None or record.get_gramps_id() != wanted or not getattr(row, kind.lower()).startswith(wanted):
            failures.append("the row %s %s opens %s" % (row.rule, wanted, record))
    db.close()
    for failure in failures:
        print(failure)
    print("%d rows, %d rule and certainty filters" % (len(rows), len(expected)))
    sys.exit(1 if failures or not rows else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
