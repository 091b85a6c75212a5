"""The tool's list and the gramplet's text with Gtk, under an X server
(Xvfb), over a Gramps tree: the list built as the tool builds it, each
choice of rule and certainty showing the rows of that rule and certainty
only, and a double click on a row opening the editor of the record that
row names (the editor recorded, not opened); the birth gramplet's text for
every person of the tree who has a record with an age.

usage: tool_window.py TREE   (HOME holding the tree; the addon's folder and
the spanwright package on PYTHONPATH; DISPLAY set)"""

import sys

import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
from gramps.gen.db.utils import open_database

import spanwrightfindings
from birthgramplet import birth_text
from birthrecords import age_records, birth_from_records
from findingrows import finding_rows
from treefindings import check_tree


def tool_over(db):
    """The tool's window contents without Gramps' window manager."""
    tool = spanwrightfindings.SpanwrightFindings.__new__(spanwrightfindings.SpanwrightFindings)
    tool.db = db
    tool.dbstate = tool.uistate = None
    tool.rows = finding_rows(db, check_tree(db, today="2026-01-01"))
    # Held, as the window holds it: dropped, Gtk would destroy its widgets.
    tool.content = tool._content(Gtk.Label(), 0)
    return tool


def choose(combo, text):
    for number, row in enumerate(combo.get_model()):
        if row[0] == text:
            combo.set_active(number)
            return
    raise AssertionError("no %s to choose" % text)


def main(tree):
    db = open_database(tree, force_unlock=True)
    tool = tool_over(db)
    failures = []
    opened = []
    spanwrightfindings.EDITORS = {kind: (lambda kind: lambda s, u, t, record: opened.append((kind, record)))(kind)
                                  for kind in ("Person", "Family")}
    for rule in sorted({row.rule for row in tool.rows}):
        for certainty in ("certain", "possible"):
            choose(tool.rule_combo, rule)
            choose(tool.certainty_combo, certainty)
            shown = [tuple(row)[:2] for row in tool.model]
            wanted = sum(1 for row in tool.rows if (row.rule, row.certainty) == (rule, certainty))
            if len(shown) != wanted or any(pair != (rule, certainty) for pair in shown):
                failures.append("%s %s: %d rows shown, %d wanted" % (rule, certainty, len(shown), wanted))
            for path in range(len(tool.model)):
                opened.clear()
                tool._open(None, Gtk.TreePath(path), None)
                row = tool.rows[tool.model[path][5]]
                wanted_id = row.finding.person_id or row.finding.family_id
                if len(opened) != 1 or opened[0][1].get_gramps_id() != wanted_id:
                    failures.append("%s %s row %d opens %s" % (rule, certainty, path, opened))
    choose(tool.rule_combo, spanwrightfindings.ALL)
    choose(tool.certainty_combo, spanwrightfindings.ALL)
    if len(tool.model) != len(tool.rows) or not tool.rows:
        failures.append("all: %d rows shown of %d" % (len(tool.model), len(tool.rows)))
    texts = 0
    for person in db.iter_people():
        if age_records(db, person):
            text = birth_text(birth_from_records(db, person))
            texts += 1
            if "Born: " not in text:
                failures.append("%s: the gramplet says %r" % (person.get_gramps_id(), text))
    db.close()
    for failure in failures:
        print(failure)
    print("%d rows, %d gramplet texts" % (len(tool.rows), texts))
    sys.exit(1 if failures or texts == 0 else 0)


if __name__ == "__main__":
    main(sys.argv[1])
