"""The check's findings as rows to show: the person and family named by
Gramps ID and name, a filter by rule and certainty, and the record a row
opens. Shared by the report and the tool, and free of Gtk."""

from gramps.gen.display.name import displayer as name_displayer

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


class FindingRow:
    def __init__(self, db, finding):
        self.finding = finding
        self.rule = finding.rule
        self.certainty = finding.certainty
        self.person = person_label(db, finding.person_id)
        self.family = family_label(db, finding.family_id)
        self.detail = finding.detail

    def matches(self, rule=None, certainty=None):
        """Whether the row passes a filter; None lets every value pass."""
        return rule in (None, self.rule) and certainty in (None, self.certainty)

    def record(self, db):
        """("Person" or "Family", the object) the row is about: the person
        where it names one (a family's finding about a child names both),
        else the family; None where the tree no longer holds it."""
        if self.finding.person_id:
            return "Person", db.get_person_from_gramps_id(self.finding.person_id)
        if self.finding.family_id:
            return "Family", db.get_family_from_gramps_id(self.finding.family_id)
        return None


def finding_rows(db, result):
    """The rows of a TreeFindings, grouped by rule, certain first."""
    return [FindingRow(db, finding) for _rule, findings in result.grouped() for finding in findings]


def rules_of(rows):
    """The rules the rows name, in their order, each once."""
    return list(dict.fromkeys(row.rule for row in rows))
