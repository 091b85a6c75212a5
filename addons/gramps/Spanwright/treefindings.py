"""Spanwright's tree check over an open Gramps tree: its findings, grouped
by rule with certain ones before possible ones, and the dates it could not
be given."""

import os
import tempfile

try:
    import spanwright
except ImportError as error:
    # Gramps lists a plugin that fails to load with this message.
    raise ImportError("the Python package spanwright is not importable by Gramps' Python "
                      "(install it as Spanwright's README says): %s" % error) from error

from treegedcom import TreeGedcom

CERTAINTY_ORDER = {"certain": 0, "possible": 1}


class Finding:
    """One line of the check: rule, certainty, severity, the Gramps IDs of
    the person and the family it is about, and the dates that make it."""

    def __init__(self, row):
        self.rule = row["rule"]
        self.certainty = row["certainty"]
        self.severity = row["severity"]
        self.person_id = row["individual"]
        self.family_id = row["family"]
        self.detail = row["detail"]


class TreeFindings:
    def __init__(self, findings, refused, warnings):
        self.findings = findings
        self.refused = refused
        self.warnings = warnings

    def grouped(self):
        """[(rule, [Finding...])] in the order the check names the rules,
        certain before possible within each rule."""
        groups = {}
        for finding in self.findings:
            groups.setdefault(finding.rule, []).append(finding)
        return [(rule, sorted(items, key=lambda f: CERTAINTY_ORDER.get(f.certainty, 2)))
                for rule, items in groups.items()]


def check_tree(db, today=None):
    """Runs the check over the Gramps database db; today is the day it
    takes for today (None: the machine's)."""
    writer = TreeGedcom(db)
    text = writer.text()
    # The package reads trees from files, as the command line does.
    handle, path = tempfile.mkstemp(suffix=".ged")
    try:
        with os.fdopen(handle, "w", encoding="utf-8") as stream:
            stream.write(text)
        frame = spanwright.check(path, today=today)
    finally:
        os.unlink(path)
    findings = [Finding(row) for row in frame.to_dict("records")]
    return TreeFindings(findings, writer.refused, frame.attrs.get("warnings", []))
