"""Family-tree files: the gedcom report, the tree check, the estimates of
births and deaths and the census checklist."""

import datetime
import io
import os

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


def _tree_source(path_or_text):
    """(source, is_text): a path (str or os.PathLike) is read as a file, a
    text of more than one line (str or bytes) as GEDCOM itself."""
    if isinstance(path_or_text, bytes):
        return path_or_text, True
    if isinstance(path_or_text, str) and "\n" in path_or_text:
        return path_or_text.encode(), True
    return os.fspath(path_or_text), False


def _estimate_tables(path_or_text, mother_ages="14-50", father_ages="16-80", marriage_ages="14-60",
                     sibling_gap_months=9, max_life=105, about_years=2, switch=None, year_start=None,
                     country=None, missing=False):
    source, is_text = _tree_source(path_or_text)
    estimates, census, warnings = _spanwright.estimate_csv(
        source, is_text, mother_ages, father_ages, marriage_ages, sibling_gap_months, max_life, about_years,
        switch, year_start, country or "", missing)
    return estimates.decode(), census.decode(), warnings


def estimate(path_or_text, **options):
    """`spanwright-cli estimate FILE`: every person's birth and death as
    bounds, a DataFrame of its CSV's columns (id, name, birth,
    birth_earliest, ... death_likely_latest, reasons), every value the
    text its CSV holds ("" for an open end). path_or_text is a file's path
    or the GEDCOM text itself. The options are the command's:
    mother_ages="14-50", father_ages="16-80", marriage_ages="14-60",
    sibling_gap_months=9, max_life=105, about_years=2, switch, year_start.
    A tree that cannot be read, or an option out of range, raises
    ValueError with the reason."""
    estimates, _, warnings = _estimate_tables(path_or_text, **options)
    return _frame((estimates, warnings))


def census(path_or_text, country=None, missing=False, **options):
    """`spanwright-cli census FILE`: the censuses each person was alive at,
    a DataFrame of id, name, census, census_day, alive, recorded and age as
    its CSV writes them. country (US, England, Wales, Scotland, Ireland,
    Canada) is everyone's, in place of their events' places; missing lists
    only the censuses not recorded for people certainly alive. The other
    options are estimate's."""
    _, rows, warnings = _estimate_tables(path_or_text, country=country, missing=missing, **options)
    return _frame((rows, warnings))
