"""Compares the findings of the Gramps report spanwright_check (its text
output) with those of spanwright-cli check (its CSV) on Gramps' GEDCOM
export of the same tree, finding for finding: rule, certainty, person,
family and detail.

usage: compare_findings.py REPORT.txt CHECK.csv"""

import csv
import re
import sys

SEPARATOR = " | "
HEADING = re.compile(r"^([a-z_]+) \((\d+)\)$")
RECORD_ID = re.compile(r"^\S*")
NOBODY = "-"
CERTAINTY_ORDER = {"certain": 0, "possible": 1}


def record_id(label):
    """The Gramps ID that begins a person's or family's label."""
    found = RECORD_ID.match(label).group(0)
    return "" if found == NOBODY else found


def report_paragraphs(path):
    """The report's paragraphs, each joined from the lines the text
    document wrapped it into."""
    paragraphs, lines = [], []
    with open(path, encoding="utf-8") as stream:
        for line in stream:
            if line.strip():
                lines.append(line.strip())
            elif lines:
                paragraphs.append(" ".join(lines))
                lines = []
    if lines:
        paragraphs.append(" ".join(lines))
    return paragraphs


def report_findings(path):
    findings, rule, counts = [], None, {}
    for paragraph in report_paragraphs(path):
        heading = HEADING.match(paragraph)
        if heading:
            rule = heading.group(1)
            counts[rule] = int(heading.group(2))
        elif rule and paragraph.count(SEPARATOR) >= 3:
            certainty, person, family, detail = paragraph.split(SEPARATOR, 3)
            findings.append((rule, certainty, record_id(person), record_id(family),
                             " ".join(detail.split())))
        elif rule:
            break  # the notes after the findings
    order = [(rule, CERTAINTY_ORDER[certainty]) for rule, certainty, *_ in findings]
    if any(a[0] == b[0] and a[1] > b[1] for a, b in zip(order, order[1:])):
        sys.exit("the report lists a possible finding before a certain one of its rule")
    for rule, count in counts.items():
        listed = sum(1 for finding in findings if finding[0] == rule)
        if listed != count:
            sys.exit("the report's heading of %s says %d, it lists %d" % (rule, count, listed))
    return findings


def check_findings(path):
    with open(path, encoding="utf-8", newline="") as stream:
        return [(row["rule"], row["certainty"], row["individual"], row["family"],
                 " ".join(row["detail"].split())) for row in csv.DictReader(stream)]


def main(report_path, check_path):
    report = report_findings(report_path)
    check = check_findings(check_path)
    if not check:
        sys.exit("the command line found nothing: the comparison would prove nothing")
    missing = sorted(set(check) - set(report))
    extra = sorted(set(report) - set(check))
    for finding in missing:
        print("only the command line:", finding)
    for finding in extra:
        print("only the report:", finding)
    if sorted(report) != sorted(check):
        sys.exit("report %d findings, command line %d" % (len(report), len(check)))
    print("%d findings, the same in both" % len(check))


if __name__ == "__main__":
    main(*sys.argv[1:])
