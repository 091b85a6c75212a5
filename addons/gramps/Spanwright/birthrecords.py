"""A person's birth from the records that state their age: each of their
events with an age (the Age of their event reference; Father Age or
Mother Age of a family event where they are that father or mother), and
the birth dates all of them allow, narrowed as spanwright-cli narrow does
(a census's age on its census day, by the census's rule, where the event's
place and date name a census), or the records to doubt. Free of Gtk."""

import os
import tempfile

import spanwright
from gramps.gen.datehandler import displayer as date_displayer
from gramps.gen.lib import AttributeType, EventRoleType

from treegedcom import TreeGedcom

PARENT_AGE = {"father": AttributeType.FATHER_AGE, "mother": AttributeType.MOTHER_AGE}


class AgeRecord:
    def __init__(self, event, age):
        self.event_id = event.get_gramps_id()
        self.kind = str(event.get_type())
        self.date = date_displayer.display(event.get_date_object())
        self.age = age


class BirthFromRecords:
    """records: the AgeRecords; window: the check's narrowing ("" where no
    record states an age); notes: what the reading said of them, and dates
    it was not given."""

    def __init__(self, records, window, notes):
        self.records = records
        self.window = window
        self.notes = notes


def _ages(attributes, wanted):
    return [attr.get_value().strip() for attr in attributes if int(attr.get_type()) == wanted]


def age_records(db, person):
    records = []
    for ref in person.get_event_ref_list():
        if int(ref.get_role()) == EventRoleType.PRIMARY:
            event = db.get_event_from_handle(ref.ref)
            records += [AgeRecord(event, age) for age in _ages(ref.get_attribute_list(), AttributeType.AGE)]
    for handle in person.get_family_handle_list():
        family = db.get_family_from_handle(handle)
        side = "father" if family.get_father_handle() == person.get_handle() else "mother"
        for ref in family.get_event_ref_list():
            event = db.get_event_from_handle(ref.ref)
            attributes = event.get_attribute_list() + ref.get_attribute_list()
            records += [AgeRecord(event, age) for age in _ages(attributes, PARENT_AGE[side])]
    return records


def birth_from_records(db, person):
    records = age_records(db, person)
    if not records:
        return BirthFromRecords([], "", [])
    families = [db.get_family_from_handle(handle) for handle in person.get_family_handle_list()]
    writer = TreeGedcom(db)
    handle, path = tempfile.mkstemp(suffix=".ged")
    try:
        with os.fdopen(handle, "w", encoding="utf-8") as stream:
            stream.write(writer.text([person], families))
        frame = spanwright.gedcom_report(path)
    finally:
        os.unlink(path)
    row = frame[frame["id"] == person.get_gramps_id()].iloc[0]
    notes = [line for line in frame.attrs.get("warnings", []) if line.strip()]
    notes += ["%s %s: %s not read (%s)" % (date.record_id, date.event, date.text, date.reason)
              for date in writer.refused]
    if row["error"]:
        notes.append(row["error"])
    return BirthFromRecords(records, row["born_from_stated_ages"], notes)
