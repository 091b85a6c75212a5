"""A person's age at each of their events, from the birth Gramps names as
theirs: spanwright.span over the two dates as the addon maps them, so an
inexact date gives the least and greatest age it allows, in the notation
chosen (1 to 4, as the window's). What cannot be worked out says why.
Free of Gtk."""

import spanwright
from gramps.gen.datehandler import displayer as date_displayer
from gramps.gen.lib import EventRoleType

from datemapping import gedcom_date

# The engine's message goes on to list the forms it accepts: the reason is
# the part before.
ACCEPTED_FORMS = " (accepted forms"


class EventAge:
    def __init__(self, event, age=None, reason=None):
        self.event_id = event.get_gramps_id()
        self.kind = str(event.get_type())
        self.date = date_displayer.display(event.get_date_object())
        self.age = age
        self.reason = reason


def _events(db, person):
    """The person's events, their own and their families', in Gramps' order."""
    refs = [ref for ref in person.get_event_ref_list() if int(ref.get_role()) == EventRoleType.PRIMARY]
    for handle in person.get_family_handle_list():
        family = db.get_family_from_handle(handle)
        refs += [ref for ref in family.get_event_ref_list()
                 if int(ref.get_role()) in (EventRoleType.FAMILY, EventRoleType.PRIMARY)]
    return [db.get_event_from_handle(ref.ref) for ref in refs]


def _has_date(event):
    mapped = gedcom_date(event.get_date_object())
    return bool(mapped.value or mapped.refused)


def age_at(birth_value, event, notation):
    mapped = gedcom_date(event.get_date_object(), four_digit_years=True)
    if mapped.refused:
        return EventAge(event, reason=mapped.refused)
    try:
        return EventAge(event, age=spanwright.span(birth_value, mapped.value, notation=notation))
    except ValueError as error:
        return EventAge(event, reason=str(error).split(ACCEPTED_FORMS)[0])


def ages_at_events(db, person, notation=4):
    """(birth date text, [EventAge]) for each dated event but the birth;
    (None, []) where the person has no birth Gramps can give a date of, or
    the reason in place of the birth's text where it cannot be read."""
    ref = person.get_birth_ref()
    birth = db.get_event_from_handle(ref.ref) if ref else None
    mapped = gedcom_date(birth.get_date_object(), four_digit_years=True) if birth else None
    if mapped is None or (mapped.value is None and not mapped.refused):
        return None, []
    if mapped.refused:
        return "%s (%s)" % (date_displayer.display(birth.get_date_object()), mapped.refused), []
    others = [event for event in _events(db, person) if event.get_handle() != birth.get_handle()]
    return date_displayer.display(birth.get_date_object()), [age_at(mapped.value, event, notation)
                                          for event in others if _has_date(event)]
