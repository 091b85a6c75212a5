"""The person the screenshots show, made Gramps' home person so that the
running Gramps opens with them active. Gramps' example tree states one age
only (a death's), so the scratch copy's person with it gets two US
censuses with ages as well, for a picture of several records.

usage: screenshot_person.py TREE   (HOME holding a scratch copy of the
example tree; the addon's folder and the spanwright package on PYTHONPATH)"""

import sys

from gramps.gen.datehandler import parser
from gramps.gen.db import DbTxn
from gramps.gen.db.utils import open_database
from gramps.gen.lib import Attribute, AttributeType, Event, EventRef, EventType, Place, PlaceName

from birthrecords import birth_from_records

CENSUSES = [("1850", "28"), ("1860", "38")]


def add_census(db, txn, person, year, age):
    place = Place()
    place.set_name(PlaceName(value="Ohio, USA"))
    db.add_place(place, txn)
    event = Event()
    event.set_type(EventType.CENSUS)
    event.set_date_object(parser.parse(year))
    event.set_place_handle(place.get_handle())
    db.add_event(event, txn)
    ref = EventRef()
    ref.set_reference_handle(event.get_handle())
    attribute = Attribute()
    attribute.set_type(AttributeType.AGE)
    attribute.set_value(age)
    ref.add_attribute(attribute)
    person.add_event_ref(ref)


def main(tree):
    db = open_database(tree, force_unlock=True)
    try:
        person = next((person for person in db.iter_people() if birth_from_records(db, person).records), None)
        if person is None:
            print("no person of the tree states an age", file=sys.stderr)
            return 1
        with DbTxn("screenshot person", db) as txn:
            for year, age in CENSUSES:
                add_census(db, txn, person, year, age)
            db.commit_person(person, txn)
            db.set_default_person_handle(person.get_handle())
        print(person.get_gramps_id(), birth_from_records(db, person).window)
        return 0
    finally:
        db.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
