"""The text report "Ages at every event": each person with a dated birth,
and their age at each of their dated events, an interval where the dates
are inexact, in the notation chosen."""

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gen.plug.menu import EnumeratedListOption
from gramps.gen.plug.report import MenuReportOptions, Report

from eventages import ages_at_events
from findingrows import person_label
from spanwrightcheck import make_styles

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext

# The window's notations, as spanwright-cli span --notation numbers them.
NOTATIONS = [(1, "1/1/49"), (2, "1-1-49"), (3, "1.1.49"), (4, "49 Year(s), 1 month(s), 1 day(s)")]


def age_line(age):
    text = age.age if age.age is not None else _("not worked out: %s") % age.reason
    return "%s %s, %s: %s" % (age.event_id, age.kind, age.date, text)


class SpanwrightAgesReport(Report):
    def __init__(self, database, options, user):
        Report.__init__(self, database, options, user)
        self.notation = int(options.menu.get_option_by_name("notation").get_value())

    def write_report(self):
        self._paragraph("SC-Title", _("Ages at every event"))
        for person in sorted(self.database.iter_people(), key=lambda p: p.get_gramps_id()):
            birth, ages = ages_at_events(self.database, person, self.notation)
            if birth is None or not ages:
                continue
            self._paragraph("SC-Heading", "%s, %s %s" % (
                person_label(self.database, person.get_gramps_id()), _("born"), birth))
            for age in ages:
                self._paragraph("SC-Normal", age_line(age))

    def _paragraph(self, style, text):
        self.doc.start_paragraph(style)
        self.doc.write_text(text)
        self.doc.end_paragraph()


class SpanwrightAgesOptions(MenuReportOptions):
    def __init__(self, name, dbase):
        MenuReportOptions.__init__(self, name, dbase)

    def add_menu_options(self, menu):
        notation = EnumeratedListOption(_("Notation"), 4)
        for number, example in NOTATIONS:
            notation.add_item(number, example)
        notation.set_help(_("How an age is written"))
        menu.add_option(_("Report Options"), "notation", notation)

    def make_default_style(self, default_style):
        make_styles(default_style)
