"""Family-tree files: the gedcom report and the tree check."""

import io
import datetime

import pandas

from . import _spanwright


def _frame(answer):
    text, warnings = answer
    frame = pandas.read_csv(io.StringIO(text), dtype=str, keep_default_na=False)
    frame.attrs["warnings"] = warnings.splitlines()
    return frame


def gedcom_report(path, switch=None, year_start=None):
    """`spanwright-cli gedcom FILE`: a DataFrame with its CSV's columns in
    its order, every value the text its CSV holds ("" where empty). What the
    command says on the side is in .attrs["warnings"]. A file that cannot be
    read raises ValueError with the reason."""
    return _frame(_spanwright.gedcom_report_csv(str(path), switch, year_start))


def check(path, today=None, switch=None, year_start=None):
    """`spanwright-cli check FILE`: its findings as a DataFrame of rule,
    certainty, severity, individual, family and detail, as its CSV writes
    them. today (a date text or a datetime.date) is the day the check takes
    for today; None, the machine's."""
    if isinstance(today, datetime.date):
        today = today.isoformat()
    return _frame(_spanwright.check_csv(str(path), today or "", switch, year_start))
