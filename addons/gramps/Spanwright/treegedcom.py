"""The facts of an open Gramps tree that Spanwright's check weighs, written
as GEDCOM from Gramps' own objects: each person's sex, events in which they
are the principal (with date, place and the age the event reference states),
links to families with how a child belongs to them, and each family's
father, mother, children and events with the parents' stated ages. Record
ids are the Gramps IDs, so the check's findings name them."""

from gramps.gen.datehandler import displayer as date_displayer
from gramps.gen.display.place import displayer as place_displayer
from gramps.gen.lib import AttributeType, ChildRefType, EventRoleType, EventType, Person
from gramps.plugins.lib import libgedcom

from datemapping import gedcom_date

SEX = {Person.MALE: "M", Person.FEMALE: "F"}
# The check knows only whether a child was born to a parent; these are the
# words it takes for "not by birth". A godchild is not born to its sponsor.
NOT_BY_BIRTH = {
    ChildRefType.ADOPTED: "Adopted",
    ChildRefType.STEPCHILD: "Step",
    ChildRefType.FOSTER: "Foster",
    ChildRefType.SPONSORED: "Foster",
}
PARENT_AGES = {AttributeType.FATHER_AGE: "HUSB", AttributeType.MOTHER_AGE: "WIFE"}


class RefusedDate:
    """A date left out of the check, and why."""

    def __init__(self, record_id, event, text, reason):
        self.record_id = record_id
        self.event = event
        self.text = text
        self.reason = reason


def _one_line(text):
    return " ".join(str(text).split())


class TreeGedcom:
    """Writes the GEDCOM of a Gramps database; refused lists the dates
    that could not be carried."""

    def __init__(self, db):
        self.db = db
        self.lines = []
        self.refused = []

    def text(self, people=None, families=None):
        """The GEDCOM of the whole tree, or of the people and families
        given (their links to records left out point nowhere)."""
        self.lines = ["0 HEAD", "1 CHAR UTF-8", "1 GEDC", "2 VERS 5.5.1"]
        self.refused = []
        people = self.db.iter_people() if people is None else people
        families = self.db.iter_families() if families is None else families
        for person in sorted(people, key=lambda p: p.get_gramps_id()):
            self._person(person)
        for family in sorted(families, key=lambda f: f.get_gramps_id()):
            self._family(family)
        self.lines.append("0 TRLR")
        return "\n".join(self.lines) + "\n"

    def _write(self, level, tag, value=""):
        self.lines.append(("%d %s %s" % (level, tag, value)).rstrip())

    def _person(self, person):
        self._write(0, "@%s@" % person.get_gramps_id(), "INDI")
        if person.get_gender() in SEX:
            self._write(1, "SEX", SEX[person.get_gender()])
        # Gramps names one birth and one death of a person; others of
        # those types are alternatives it does not take for the person's.
        for tag, ref in (("BIRT", person.get_birth_ref()), ("DEAT", person.get_death_ref())):
            if ref:
                self._event(person.get_gramps_id(), tag, ref)
        for ref in person.get_event_ref_list():
            event = self.db.get_event_from_handle(ref.ref)
            if int(ref.get_role()) != EventRoleType.PRIMARY:
                continue  # a witness's or informant's event is not theirs
            if int(event.get_type()) in (EventType.BIRTH, EventType.DEATH):
                continue
            tag = libgedcom.PERSONALCONSTANTEVENTS.get(int(event.get_type()), "").strip()
            self._event(person.get_gramps_id(), tag or "EVEN", ref, event)
        for handle in person.get_parent_family_handle_list():
            self._child_link(person, self.db.get_family_from_handle(handle))
        for handle in person.get_family_handle_list():
            self._write(1, "FAMS", "@%s@" % self.db.get_family_from_handle(handle).get_gramps_id())

    def _child_link(self, person, family):
        self._write(1, "FAMC", "@%s@" % family.get_gramps_id())
        for ref in family.get_child_ref_list():
            if ref.ref == person.get_handle():
                for tag, relation in (("_FREL", ref.get_father_relation()),
                                      ("_MREL", ref.get_mother_relation())):
                    if int(relation) in NOT_BY_BIRTH:
                        self._write(2, tag, NOT_BY_BIRTH[int(relation)])

    def _family(self, family):
        self._write(0, "@%s@" % family.get_gramps_id(), "FAM")
        for tag, handle in (("HUSB", family.get_father_handle()), ("WIFE", family.get_mother_handle())):
            if handle:
                self._write(1, tag, "@%s@" % self.db.get_person_from_handle(handle).get_gramps_id())
        for ref in family.get_event_ref_list():
            event = self.db.get_event_from_handle(ref.ref)
            if int(ref.get_role()) not in (EventRoleType.FAMILY, EventRoleType.PRIMARY):
                continue
            tag = libgedcom.FAMILYCONSTANTEVENTS.get(int(event.get_type()), "")
            self._event(family.get_gramps_id(), tag or "EVEN", ref, event)
        for ref in family.get_child_ref_list():
            self._write(1, "CHIL", "@%s@" % self.db.get_person_from_handle(ref.ref).get_gramps_id())

    def _event(self, record_id, tag, ref, event=None):
        event = event or self.db.get_event_from_handle(ref.ref)
        self._write(1, tag)
        date = event.get_date_object()
        mapped = gedcom_date(date)
        if mapped.refused:
            self.refused.append(RefusedDate(record_id, str(event.get_type()), date_displayer.display(date),
                                            mapped.refused))
        elif mapped.value:
            self._write(2, "DATE", mapped.value)
        if event.get_place_handle():
            place = self.db.get_place_from_handle(event.get_place_handle())
            self._write(2, "PLAC", _one_line(place_displayer.display(self.db, place, date)))
        for attr in ref.get_attribute_list():
            if int(attr.get_type()) == AttributeType.AGE:
                self._write(2, "AGE", _one_line(attr.get_value()))
        # The parents' ages may stand on the event (as Gramps' GEDCOM import
        # puts them) or on its reference.
        for attr in event.get_attribute_list() + ref.get_attribute_list():
            if int(attr.get_type()) in PARENT_AGES:
                self._write(2, PARENT_AGES[int(attr.get_type())])
                self._write(3, "AGE", _one_line(attr.get_value()))
