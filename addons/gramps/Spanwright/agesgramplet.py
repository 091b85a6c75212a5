"""The gramplet "Ages at events": the active person's age at each of their
dated events, as the report "Ages at every event" gives them."""

from gramps.gen.const import GRAMPS_LOCALE as glocale

from activepersongramplet import ActivePersonGramplet
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


class AgesAtEventsGramplet(ActivePersonGramplet):
    SIGNALS = ("person-update", "event-update", "family-update")

    def init(self):
        self.set_tooltip(_("The person's age at each of their events"))

    def show(self, person):
        self.set_text(ages_text(*ages_at_events(self.dbstate.db, person)))
