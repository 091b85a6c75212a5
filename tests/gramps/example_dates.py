"""Every event date of a Gramps tree, mapped by the addon, against the
engine's reading of the DATE line Gramps' own GEDCOM export writes for the
same date: both go through spanwright.gedcom_report as the birth of a
person who died on 1 Jan 3000, and every column of the two rows but the
text must agree (the days allowed, the calendar, the approximation, the
error). A date the addon refuses is listed with its reason and the
export's line for it.

usage: example_dates.py TREE   (with HOME holding that Gramps tree, and the
addon's folder and the spanwright package on PYTHONPATH)"""

import io
import os
import sys
import tempfile

import spanwright
from gramps.gen.db.utils import open_database
from gramps.gen.user import User
from gramps.plugins.export.exportgedcom import GedcomWriter

from datemapping import gedcom_date


def exported_value(writer, date):
    writer.gedcom_file = io.StringIO()
    writer._date(2, date)
    lines = writer.gedcom_file.getvalue().splitlines()
    return lines[0].split(" ", 2)[2] if lines else None


def tree_of(values):
    lines = ["0 HEAD", "1 CHAR UTF-8"]
    for number, value in enumerate(values):
        lines += ["0 @D%d@ INDI" % number, "1 BIRT", "2 DATE " + value, "1 DEAT", "2 DATE 1 JAN 3000"]
    return "\n".join(lines + ["0 TRLR"]) + "\n"


def readings(values):
    handle, path = tempfile.mkstemp(suffix=".ged")
    with os.fdopen(handle, "w", encoding="utf-8") as stream:
        stream.write(tree_of(values))
    try:
        frame = spanwright.gedcom_report(path)
    finally:
        os.unlink(path)
    # The birth column is the date's text, which may differ where the
    # reading does not (a dual year written as its later year).
    return frame.drop(columns=["id", "birth"]).to_dict("records")


def main(tree):
    db = open_database(tree, force_unlock=True)
    writer = GedcomWriter(db, User())
    pairs, refused = [], []
    for event in db.iter_events():
        date = event.get_date_object()
        mapped, exported = gedcom_date(date), exported_value(writer, date)
        if mapped.refused:
            refused.append((event.get_gramps_id(), str(date), exported, mapped.refused))
        elif mapped.value or exported:
            pairs.append((event.get_gramps_id(), mapped.value or "", exported or ""))
    db.close()
    ours = readings([pair[1] for pair in pairs])
    theirs = readings([pair[2] for pair in pairs])
    wrong = [(pair, a, b) for pair, a, b in zip(pairs, ours, theirs) if a != b]
    for pair, a, b in wrong:
        print("event %s: addon %r read %s; export %r read %s" % (pair[0], pair[1], a, pair[2], b))
    for item in refused:
        print("event %s: %s not read (%s); the export writes %r" % (item[0], item[1], item[3], item[2]))
    print("%d dates compared, %d differ, %d refused" % (len(pairs), len(wrong), len(refused)))
    if not pairs or wrong:
        sys.exit(1)


if __name__ == "__main__":
    main(sys.argv[1])
