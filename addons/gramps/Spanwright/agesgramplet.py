"""The gramplet "Ages at events": the active person's age at each of their
dated events, as the report "Ages at every event" gives them."""

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gen.plug import Gramplet

from eventages import ages_at_events
from spanwrightages import age_line

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext


def ages_text(birth, ages):
    """The gramplet's text for what ages_at_events gives."""
    if birth is None:
        return _("The person's birth has no date.")
    return "\n".join([_("Born: %s") % birth] + [age_line(age) for age in ages])


class AgesAtEventsGramplet(Gramplet):
    def init(self):
        self.set_tooltip(_("The person's age at each of their events"))

    def db_changed(self):
        for signal in ("person-update", "event-update", "family-update"):
            self.connect(self.dbstate.db, signal, self.update)

    def active_changed(self, handle):
        self.update()

    def main(self):
        handle = self.get_active("Person")
        person = self.dbstate.db.get_person_from_handle(handle) if handle else None
        if person is None:
            self.set_text(_("No active person."))
            return
        self.set_text(ages_text(*ages_at_events(self.dbstate.db, person)))
