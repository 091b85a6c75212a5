"""The gramplet "Birth from records" without its window: people made with
Gramps' own objects in a fresh database, their census, marriage and death
ages narrowed, and the picture drawn of them, against spanwright.narrow
and spanwright.narrow_svg on the same records written as the command line
takes them. Run with HOME a scratch folder and the addon's
folder and the spanwright package on PYTHONPATH."""

import tempfile
import unittest

import spanwright
from gramps.gen.datehandler import parser
from gramps.gen.db import DbTxn
from gramps.gen.db.utils import make_database
from gramps.gen.lib import (Attribute, AttributeType, Event, EventRef, EventRoleType, EventType,
                            Family, Person, Place, PlaceName)

from birthrecords import birth_from_records, birth_picture

# (records: (event type, date, place, age, role), narrow's records or None
# where the ages must conflict with the record to doubt named)
PEOPLE = [
    ([(EventType.CENSUS, "1851", "Kent, England", "34", "self"),
      (EventType.CENSUS, "1861", "Kent, England", "44", "self")],
     ["1851 census (England): 34", "1861 census (England): 44"]),
    ([(EventType.CENSUS, "1880", "Ohio, USA", "34", "self"),
      (EventType.MARRIAGE, "12 May 1870", "", "24", "father")],
     ["1880 US census: 34", "5/12/1870: 24"]),
    ([(EventType.CENSUS, "1851", "Kent, England", "34", "self"),
      (EventType.CENSUS, "1861", "Kent, England", "50", "self"),
      (EventType.CENSUS, "1871", "Kent, England", "54", "self")],
     None),
]


class BirthFromRecordsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.db = make_database("sqlite")
        cls.db.load(cls.folder.name)

    @classmethod
    def tearDownClass(cls):
        cls.db.close()
        cls.folder.cleanup()

    def place(self, txn, title):
        place = Place()
        place.set_name(PlaceName(value=title))
        self.db.add_place(place, txn)
        return place.get_handle()

    def event(self, txn, kind, date, title):
        event = Event()
        event.set_type(kind)
        event.set_date_object(parser.parse(date))
        if title:
            event.set_place_handle(self.place(txn, title))
        self.db.add_event(event, txn)
        return event

    def person_with(self, records):
        with DbTxn("people", self.db) as txn:
            person = Person()
            person.set_gender(Person.MALE)
            self.db.add_person(person, txn)
            family = Family()
            family.set_father_handle(person.get_handle())
            for kind, date, title, age, role in records:
                ref = EventRef()
                ref.set_reference_handle(self.event(txn, kind, date, title).get_handle())
                ref.set_role(EventRoleType.FAMILY if role == "father" else EventRoleType.PRIMARY)
                ref.add_attribute(Attribute())
                ref.get_attribute_list()[0].set_type(
                    AttributeType.FATHER_AGE if role == "father" else AttributeType.AGE)
                ref.get_attribute_list()[0].set_value(age)
                (family if role == "father" else person).add_event_ref(ref)
            if family.get_event_ref_list():
                self.db.add_family(family, txn)
                person.add_family_handle(family.get_handle())
            self.db.commit_person(person, txn)
        return person

    def test_people(self):
        for records, narrow_records in PEOPLE:
            with self.subTest(records=records):
                found = birth_from_records(self.db, self.person_with(records))
                self.assertEqual([record.age for record in found.records], [r[3] for r in records])
                picture = birth_picture(found)
                if narrow_records is None:
                    self.assertIn("conflict", found.window)
                    self.assertIn("1861", found.window)  # the census to doubt
                    self.assertIn("No birth date fits every record", picture)
                else:
                    window = spanwright.narrow(narrow_records)["window"]
                    self.assertEqual(found.window, "%s through %s" % (window["earliest"], window["latest"]))
                    self.assertEqual(picture, spanwright.narrow_svg(narrow_records))

    def test_no_ages(self):
        found = birth_from_records(self.db, self.person_with([]))
        self.assertEqual((found.records, found.window), ([], ""))
        self.assertIsNone(birth_picture(found))


if __name__ == "__main__":
    unittest.main()
