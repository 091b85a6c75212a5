"""The text report "Spanwright tree check": the check's findings over the
open tree, grouped by rule, certain before possible, each naming the
person's or family's Gramps ID and name and the dates that make it."""

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gen.plug.docgen import FontStyle, ParagraphStyle, FONT_SANS_SERIF, PARA_ALIGN_CENTER
from gramps.gen.plug.menu import StringOption
from gramps.gen.plug.report import MenuReportOptions, Report, utils

from findingrows import finding_rows, rules_of
from treefindings import check_tree

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext

# What separates the parts of a finding's line; no Gramps ID holds it.
SEPARATOR = " | "


def finding_line(row):
    """certain | I0044 Name | F0012 Husband & Wife | the dates"""
    return SEPARATOR.join([row.certainty, row.person, row.family, row.detail])


class SpanwrightCheckReport(Report):
    def __init__(self, database, options, user):
        Report.__init__(self, database, options, user)
        today = options.menu.get_option_by_name("today").get_value().strip()
        self.today = today or None

    def write_report(self):
        result = check_tree(self.database, self.today)
        self._paragraph("SC-Title", _("Spanwright tree check"))
        if not result.findings:
            self._paragraph("SC-Normal", _("No findings."))
        rows = finding_rows(self.database, result)
        for rule in rules_of(rows):
            of_rule = [row for row in rows if row.matches(rule=rule)]
            self._paragraph("SC-Heading", "%s (%d)" % (rule, len(of_rule)))
            for row in of_rule:
                self._paragraph("SC-Normal", finding_line(row))
        if result.refused:
            self._paragraph("SC-Heading", _("Dates not read") + " (%d)" % len(result.refused))
            for date in result.refused:
                self._paragraph("SC-Normal", SEPARATOR.join(
                    [date.record_id, date.event, date.text, date.reason]))
        if result.warnings:
            self._paragraph("SC-Heading", _("Said by the check"))
            for warning in result.warnings:
                self._paragraph("SC-Normal", warning)

    def _paragraph(self, style, text):
        self.doc.start_paragraph(style)
        self.doc.write_text(text)
        self.doc.end_paragraph()


class SpanwrightCheckOptions(MenuReportOptions):
    def __init__(self, name, dbase):
        MenuReportOptions.__init__(self, name, dbase)

    def add_menu_options(self, menu):
        today = StringOption(_("Today"), "")
        today.set_help(_("The day the check takes for today (for dates in the future); "
                         "empty: the computer's date"))
        menu.add_option(_("Report Options"), "today", today)

    def make_default_style(self, default_style):
        make_styles(default_style)


def make_styles(default_style):
    """The paragraph styles of the addon's reports: title, heading, line."""
    for name, size, bold, description in (
            ("SC-Title", 16, True, _("The style used for the title.")),
            ("SC-Heading", 12, True, _("The style used for a heading.")),
            ("SC-Normal", 10, False, _("The style used for a line."))):
        font = FontStyle()
        font.set_size(size)
        font.set_type_face(FONT_SANS_SERIF)
        font.set_bold(bold)
        para = ParagraphStyle()
        para.set_font(font)
        para.set_top_margin(utils.pt2cm(3))
        para.set_bottom_margin(utils.pt2cm(3))
        if name == "SC-Title":
            para.set_header_level(1)
            para.set_alignment(PARA_ALIGN_CENTER)
        elif name == "SC-Heading":
            para.set_header_level(2)
        para.set_description(description)
        default_style.add_paragraph_style(name, para)
