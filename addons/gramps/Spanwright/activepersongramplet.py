"""What the addon's gramplets share: they show something of the active
person, again whenever the person, their events, families or places
change."""

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gen.plug import Gramplet

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext


class ActivePersonGramplet(Gramplet):
    """A gramplet of the active person; show(person) fills it."""

    SIGNALS = ("person-update", "event-update", "family-update", "place-update")

    def db_changed(self):
        for signal in self.SIGNALS:
            self.connect(self.dbstate.db, signal, self.update)

    def active_changed(self, handle):
        self.update()

    def main(self):
        handle = self.get_active("Person")
        person = self.dbstate.db.get_person_from_handle(handle) if handle else None
        if person is None:
            self.set_text(_("No active person."))
            return
        self.show(person)

    def show(self, person):
        raise NotImplementedError
