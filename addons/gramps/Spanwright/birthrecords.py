"""A person's birth from the records that state their age: each of their
events with an age (the Age of their event reference; Father Age or
Mother Age of a family event where they are that father or mother), and
the birth dates all of them allow, narrowed as spanwright-cli narrow does
(a census's age on its census day, by the census's rule, where the event's
place and date name a census), or the records to doubt, and the picture
spanwright-cli narrow --svg draws of them. Free of Gtk."""

import os
import tempfile

import spanwright
from gramps.gen.datehandler import displayer as date_displayer
from gramps.gen.display.place import displayer as place_displayer
from gramps.gen.lib import AttributeType, EventRoleType, EventType

from datemapping import gedcom_date
from treegedcom import TreeGedcom

PARENT_AGE = {"father": AttributeType.FATHER_AGE, "mother": AttributeType.MOTHER_AGE}


class AgeRecord:
    """One age an event states; country is the last part of the event's
    place, which names a census's country."""

    def __init__(self, event, age, country=""):
        self.event_id = event.get_gramps_id()
        self.kind = str(event.get_type())
        self.is_census = int(event.get_type()) == EventType.CENSUS
        self.date = date_displayer.display(event.get_date_object())
        self.value = gedcom_date(event.get_date_object()).value
        self.age = age
        self.country = country


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


def _country(db, event):
    if not event.get_place_handle():
        return ""
    place = db.get_place_from_handle(event.get_place_handle())
    return place_displayer.display(db, place, event.get_date_object()).split(",")[-1].strip()


def age_records(db, person):
    records = []
    for ref in person.get_event_ref_list():
        if int(ref.get_role()) == EventRoleType.PRIMARY:
            event = db.get_event_from_handle(ref.ref)
            records += [AgeRecord(event, age, _country(db, event))
                        for age in _ages(ref.get_attribute_list(), AttributeType.AGE)]
    for handle in person.get_family_handle_list():
        family = db.get_family_from_handle(handle)
        side = "father" if family.get_father_handle() == person.get_handle() else "mother"
        for ref in family.get_event_ref_list():
            event = db.get_event_from_handle(ref.ref)
            attributes = event.get_attribute_list() + ref.get_attribute_list()
            records += [AgeRecord(event, age, _country(db, event)) for age in _ages(attributes, PARENT_AGE[side])]
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


def _census_text(record):
    """"England 1851 census" where the record is a census whose date is
    only its year and whose place's country holds a census that year;
    else None."""
    if not (record.is_census and record.country and record.value and record.value.isdigit()):
        return None
    text = "%s %s census" % (record.country, record.value)
    try:
        spanwright.narrow(["%s: %s" % (text, record.age)])
    except ValueError:
        return None
    return text


def narrow_record_texts(records):
    """The dated records as spanwright-cli narrow takes them ("WHEN: AGE");
    one without a date narrows nothing, as in the check."""
    return ["%s: %s" % (_census_text(record) or record.value, record.age) for record in records if record.value]


def _window_text(answer):
    if answer["fits"]:
        return "%s through %s" % (answer["window"]["earliest"], answer["window"]["latest"])
    return None


def birth_picture(found):
    """The SVG text narrow --svg draws of the records, or None where narrow
    does not read them or finds another window than the check's narrowing
    (a census read on another day, a burial's age at the death): a picture
    of another answer than the gramplet's text would mislead."""
    texts = narrow_record_texts(found.records)
    if not texts:
        return None
    try:
        answer = spanwright.narrow(texts)
    except ValueError:
        return None
    window = _window_text(answer)
    agrees = window == found.window if window else found.window.startswith("conflict")
    return spanwright.narrow_svg(texts) if agrees else None
