"""Whole columns at once: the batch's result columns as pandas DataFrames."""

import io
import re
import datetime

import pandas

from . import _spanwright
from ._options import reading


def _index_of(*columns):
    """The index of the first pandas Series given, so that the answer lines
    up with the frame the columns came from."""
    for column in columns:
        if isinstance(column, pandas.Series):
            return column.index
    return None


def _integers(values, known):
    return pandas.arrays.IntegerArray(values, ~known)


def spans(begin, end, notation=4, **options):
    """`spanwright-cli batch --begin --end` over two columns of dates (any
    sequence: list, tuple, NumPy array, pandas Series; None and NaN are
    empty): a DataFrame of years, months, days (nullable integers, empty
    where the dates allow several spans), span (the entry in the notation,
    or its bounds) and error (why a row has no answer, else None)."""
    columns = _spanwright.span_columns(begin, end, notation, reading(**options))
    counted = columns["counted"]
    return pandas.DataFrame({
        "years": _integers(columns["years"], counted),
        "months": _integers(columns["months"], counted),
        "days": _integers(columns["days"], counted),
        "span": columns["span"],
        "error": columns["error"],
    }, index=_index_of(begin, end))


def _age_frame(direction, date, age, exact, options):
    columns = _spanwright.age_columns(direction, date, age, exact, reading(**options))
    prefix = "born_" if direction == "born" else "died_"
    return pandas.DataFrame({
        prefix + "earliest": pandas.Series(columns["earliest"], dtype=object),
        prefix + "latest": pandas.Series(columns["latest"], dtype=object),
        prefix + "count": _integers(columns["count"], columns["counted"]),
        "error": columns["error"],
    }).set_axis(_index_of(date, age) if _index_of(date, age) is not None
                else pandas.RangeIndex(len(columns["error"])))


def births(end, age, exact=False, **options):
    """`spanwright-cli batch --end --age`: the birth dates a stated age at an
    end date allows, born_earliest and born_latest (datetime.date), born_count
    (the days from the one to the other, 0 where no date gives the age) and
    error. A date outside datetime.date's years 1 to 9999 is None, and error
    says which."""
    return _age_frame("born", end, age, exact, options)


def deaths(begin, age, exact=False, **options):
    """`spanwright-cli batch --begin --age`: the dates a stated age after a
    begin date allows, died_earliest, died_latest, died_count and error, as
    births gives them."""
    return _age_frame("died", begin, age, exact, options)


_DATE_FORMS = {
    "mdy": re.compile(r"(?P<m>\d+)/(?P<d>\d+)/(?P<y>\d+)"),
    "dmy": re.compile(r"(?P<d>\d+)/(?P<m>\d+)/(?P<y>\d+)"),
    "ymd": re.compile(r"(?P<y>\d+)-(?P<m>\d+)-(?P<d>\d+)"),
}


def _date_of(text, date_order):
    """A date the command wrote in the date order, or None where it wrote
    none or one datetime.date cannot hold (before the year 1)."""
    match = _DATE_FORMS[date_order].fullmatch(text)
    if not match:
        return None
    year = int(match["y"])
    if not 1 <= year <= 9999:
        return None
    return datetime.date(year, int(match["m"]), int(match["d"]))


def narrow_frame(frame, person, date, age, exact=False, rows=None, **options):
    """`spanwright-cli narrow --csv` over a DataFrame's columns of person,
    date and age: one row a person, in the order of first appearance, with
    person, records, earliest and latest (datetime.date), dates, conflict
    (the rows each largest agreeing set leaves out), error, and about (the
    window is marked about: the CSV writes "about " before its dates). Rows
    are counted as in a CSV file with a header: the frame's first row is
    row 2; rows, where given, are the rows of a larger sheet the frame's
    records stand on, rising (spanwright.dask.narrow gives them)."""
    rows = [] if rows is None else [int(row) for row in rows]
    text = _spanwright.narrow_csv(frame[person], frame[date], frame[age], rows, exact, reading(**options))
    rows = pandas.read_csv(io.StringIO(text), dtype=str, keep_default_na=False)
    date_order = options.get("date_order", "mdy")
    about = rows["earliest"].str.startswith("about ") | rows["latest"].str.startswith("about ")
    for column in ("earliest", "latest"):
        dates = rows[column].str.removeprefix("about ")
        rows[column] = pandas.Series([_date_of(text, date_order) for text in dates], dtype=object)
    rows["records"] = rows["records"].astype("int64")
    rows["dates"] = pandas.to_numeric(rows["dates"]).astype("Int64")
    for column in ("conflict", "error"):
        rows[column] = rows[column].where(rows[column] != "", None)
    rows["about"] = about
    return rows
