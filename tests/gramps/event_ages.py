"""The ages the report "Ages at every event" gives at each person's death
against the age at death of spanwright-cli gedcom (through the package's
gedcom_report) on Gramps' export of the same tree: for every person whose
Gramps birth and death both have dates, the same text (but the note of a calendar
converted), an interval where the dates are inexact.

usage: event_ages.py TREE EXPORT.ged   (HOME holding the tree; the addon's
folder and the spanwright package on PYTHONPATH)"""

import re
import sys

import spanwright
from gramps.gen.db.utils import open_database

from eventages import ages_at_events

# The GEDCOM report adds which calendar it converted; the span's answer,
# the same days, does not.
CONVERTED = re.compile(r" \([A-Za-z ]+ dates? converted to the Gregorian calendar\)$")


def main(tree, export):
    expected = dict(zip(*[spanwright.gedcom_report(export)[column] for column in ("id", "age_at_death")]))
    db = open_database(tree, force_unlock=True)
    compared, wrong = 0, []
    for person in db.iter_people():
        ref = person.get_death_ref()
        birth, ages = ages_at_events(db, person)
        death = [age for age in ages if ref and age.event_id == db.get_event_from_handle(ref.ref).get_gramps_id()]
        if birth is None or not death or death[0].age is None:
            continue
        compared += 1
        if death[0].age != CONVERTED.sub("", expected[person.get_gramps_id()]):
            wrong.append((person.get_gramps_id(), death[0].age, expected[person.get_gramps_id()]))
    db.close()
    for item in wrong:
        print("%s: the report %r, the GEDCOM report %r" % item)
    print("%d ages at death compared, %d differ" % (compared, len(wrong)))
    sys.exit(1 if wrong or compared == 0 else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
