"""The text report "Spanwright tree check": the check's findings over the
open tree, grouped by rule, certain before possible, each naming the
person's or family's Gramps ID and name and the dates that make it."""

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gen.display.name import displayer as name_displayer
from gramps.gen.plug.docgen import FontStyle, ParagraphStyle, FONT_SANS_SERIF, PARA_ALIGN_CENTER
from gramps.gen.plug.menu import StringOption
from gramps.gen.plug.report import MenuReportOptions, Report, utils

from treefindings import check_tree

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext

# What separates the parts of a finding's line; no Gramps ID holds it.
SEPARATOR = " | "
# Where a finding names no person or no family.
NOBODY = "-"


def person_label(db, gramps_id):
    person = db.get_person_from_gramps_id(gramps_id) if gramps_id else None
    if person is None:
        return gramps_id or NOBODY
    return "%s %s" % (gramps_id, name_displayer.display(person))


def family_label(db, gramps_id):
    family = db.get_family_from_gramps_id(gramps_id) if gramps_id else None
    if family is None:
        return gramps_id or NOBODY
    names = [name_displayer.display(db.get_person_from_handle(handle))
             for handle in (family.get_father_handle(), family.get_mother_handle()) if handle]
    return "%s %s" % (gramps_id, " & ".join(names)) if names else gramps_id


def finding_line(db, finding):
    """certain | I0044 Name | F0012 Husband & Wife | the dates"""
    parts = [finding.certainty, person_label(db, finding.person_id),
             family_label(db, finding.family_id), finding.detail]
    return SEPARATOR.join(parts)


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
        for rule, findings in result.grouped():
            self._paragraph("SC-Heading", "%s (%d)" % (rule, len(findings)))
            for finding in findings:
                self._paragraph("SC-Normal", finding_line(self.database, finding))
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
        for name, size, bold, description in (
                ("SC-Title", 16, True, _("The style used for the title.")),
                ("SC-Heading", 12, True, _("The style used for a rule's heading.")),
                ("SC-Normal", 10, False, _("The style used for a finding."))):
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
