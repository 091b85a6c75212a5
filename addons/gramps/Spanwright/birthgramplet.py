"""The gramplet "Birth from records": for the active person, every record
of theirs that states an age and the birth dates all of them allow, or the
records to doubt, and the picture spanwright-cli narrow --svg draws of
them."""

from gi.repository import GdkPixbuf, GLib
from gramps.gen.const import GRAMPS_LOCALE as glocale

from activepersongramplet import ActivePersonGramplet
from birthrecords import birth_from_records, birth_picture

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext


def birth_text(found):
    """The gramplet's text for a BirthFromRecords."""
    if not found.records:
        return _("No record of this person states an age.")
    lines = ["%s %s, %s: %s" % (record.event_id, record.kind, record.date or _("no date"), record.age)
             for record in found.records]
    lines += ["", _("Born: %s") % (found.window or _("no date the records allow"))]
    lines += found.notes
    return "\n".join(lines)


def svg_pixbuf(svg):
    """The picture as a GdkPixbuf, or None where GdkPixbuf has no SVG loader
    (librsvg's, package librsvg2-common): the text stands without it."""
    try:
        loader = GdkPixbuf.PixbufLoader.new_with_type("svg")
        loader.write(svg.encode("utf-8"))
        loader.close()
    except GLib.Error:
        return None
    return loader.get_pixbuf()


class BirthFromRecordsGramplet(ActivePersonGramplet):
    def init(self):
        self.set_tooltip(_("The birth dates the ages stated on the person's events allow"))

    def show(self, person):
        found = birth_from_records(self.dbstate.db, person)
        self.set_text(birth_text(found) + "\n")
        svg = birth_picture(found)
        pixbuf = svg_pixbuf(svg) if svg else None
        if pixbuf is not None:
            buffer = self.gui.buffer
            buffer.insert_pixbuf(buffer.get_end_iter(), pixbuf)
