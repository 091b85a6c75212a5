"""The tool "Spanwright findings": the tree check's findings in a list that
sorts by any column and filters by rule and certainty; a double click opens
the person or family in Gramps' editor."""

from gi.repository import Gtk

from gramps.gen.const import GRAMPS_LOCALE as glocale
from gramps.gui.editors import EditFamily, EditPerson
from gramps.gui.managedwindow import ManagedWindow
from gramps.gui.plug import tool

from findingrows import finding_rows, rules_of
from treefindings import check_tree

try:
    _ = glocale.get_addon_translator(__file__).gettext
except ValueError:
    _ = glocale.translation.gettext

COLUMNS = [_("Rule"), _("Certainty"), _("Person"), _("Family"), _("Dates")]
ALL = _("All")
EDITORS = {"Person": EditPerson, "Family": EditFamily}


def filter_combo(values, on_changed):
    combo = Gtk.ComboBoxText()
    for value in [ALL] + values:
        combo.append_text(value)
    combo.set_active(0)
    combo.connect("changed", on_changed)
    return combo


def chosen(combo):
    text = combo.get_active_text()
    return None if text in (None, ALL) else text


class SpanwrightFindings(tool.Tool, ManagedWindow):
    def __init__(self, dbstate, user, options_class, name, callback=None):
        self.uistate = user.uistate
        tool.Tool.__init__(self, dbstate, options_class, name)
        ManagedWindow.__init__(self, self.uistate, [], self.__class__)
        self.dbstate = dbstate
        result = check_tree(self.db)
        self.rows = finding_rows(self.db, result)
        window = Gtk.Window()
        title = Gtk.Label()
        self.set_window(window, title, _("Spanwright findings"))
        self.setup_configs("interface.spanwrightfindings", 900, 500)
        window.add(self._content(title, len(result.refused)))
        self._refill()
        self.show()

    def _content(self, title, refused):
        self.rule_combo = filter_combo(rules_of(self.rows), lambda combo: self._refill())
        self.certainty_combo = filter_combo(["certain", "possible"], lambda combo: self._refill())
        filters = Gtk.Box(spacing=6)
        for label, combo in ((_("Rule"), self.rule_combo), (_("Certainty"), self.certainty_combo)):
            filters.pack_start(Gtk.Label(label=label), False, False, 0)
            filters.pack_start(combo, False, False, 0)
        self.model = Gtk.ListStore(str, str, str, str, str, int)
        view = Gtk.TreeView(model=self.model)
        for number, heading in enumerate(COLUMNS):
            column = Gtk.TreeViewColumn(heading, Gtk.CellRendererText(), text=number)
            column.set_sort_column_id(number)
            column.set_resizable(True)
            view.append_column(column)
        view.connect("row-activated", self._open)
        scrolled = Gtk.ScrolledWindow()
        scrolled.add(view)
        self.count = Gtk.Label(xalign=0)
        self.refused_text = (_("%d dates not read: see the report") % refused) if refused else ""
        box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL, spacing=6)
        box.pack_start(title, False, False, 0)
        box.pack_start(filters, False, False, 0)
        box.pack_start(scrolled, True, True, 0)
        box.pack_start(self.count, False, False, 0)
        return box

    def _refill(self):
        self.model.clear()
        rule, certainty = chosen(self.rule_combo), chosen(self.certainty_combo)
        shown = [(number, row) for number, row in enumerate(self.rows) if row.matches(rule, certainty)]
        for number, row in shown:
            self.model.append([row.rule, row.certainty, row.person, row.family, row.detail, number])
        self.count.set_text(("%d / %d " % (len(shown), len(self.rows))) + self.refused_text)

    def _open(self, view, path, column):
        record = self.rows[self.model[path][5]].record(self.db)
        if record and record[1]:
            EDITORS[record[0]](self.dbstate, self.uistate, [], record[1])

    def build_menu_names(self, obj):
        return (_("Spanwright findings"), None)


class SpanwrightFindingsOptions(tool.ToolOptions):
    def __init__(self, name, person_id=None):
        tool.ToolOptions.__init__(self, name, person_id)
