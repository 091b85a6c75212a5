"""spans, births, deaths and narrow_frame against the batch and narrow --csv
on the same rows written as a CSV file."""

import csv
import datetime
import io
import random

import numpy
import pandas
import pytest

import spanwright
from conftest import option_arguments, run_cli

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]

# Rows no random pair is likely to hold: ranges, refusals, dual years,
# Hebrew and French dates, B.C., Julian records, texts with quotes and
# commas, empty fields.
AWKWARD = [
    ("1850", "3/1/1900"), ("abt 1850", "bet 1890 and 1895"), ("bef 1850", "aft 1900"),
    ("1850-1855", "May 1900"), ("11 Feb 1731/32", "1/1/1800"), ("1 Tishri 5600", "1 Nisan 5650"),
    ("18 Brumaire an VIII", "1/1/1850"), ("15 Mar 44 BC", "19 Aug 14"), ("1 Jan 1700 O.S.", "1/1/1750"),
    ("5/17/1990x", "1/1/2000"), ("1/1/2000", "1/1/1900"), ("17/5/1850", "1/1/1900"), ("", ""),
    ('say "1850"', "1/1/1900"), ("May 17, 1850", "June 1, 1900"), ("3/3/50", "3/3/99"),
    ("2/30/1850", "1/1/1900"), ("the 12th day of June 1741", "1/1/1800"),
]


def random_date(rng):
    year, month, day = rng.randint(1, 2100), rng.randint(1, 12), rng.randint(1, 31)
    form = rng.randrange(10)
    if form < 5:
        return f"{month}/{day}/{year}"
    if form == 5:
        return f"{day} {MONTHS[month - 1]} {year}"
    if form == 6:
        return f"{year:04d}-{month:02d}-{day:02d}"
    if form == 7:
        return f"{MONTHS[month - 1]} {year}"
    if form == 8:
        return f"abt {year}"
    return rng.choice(["", "x", f"{year}", f"{day} {MONTHS[month - 1]} {year} O.S.", f"{month}/{day}/{year}/"])


def random_pairs(count, seed):
    rng = random.Random(seed)
    return [(random_date(rng), random_date(rng)) for _ in range(count)] + AWKWARD


def batch_rows(tmp_path, header, rows, *arguments):
    """The batch's output rows (after the header) over the rows as a file."""
    path = tmp_path / "rows.csv"
    with open(path, "w", newline="", encoding="utf-8") as file:
        writer = csv.writer(file, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)
    out, err, status = run_cli(*arguments, str(path))
    assert status in (0, 1), err
    return list(csv.reader(io.StringIO(out)))[1:]


def texts(column):
    """A frame's column as the batch writes it: "" for None and NA."""
    return ["" if value is None or value is pandas.NA else str(value) for value in column]


@pytest.mark.parametrize("options", [{}, {"notation": 1}])
def test_spans_are_the_batch_columns(tmp_path, options):
    pairs = random_pairs(200_000 if not options else 20_000, seed=34)
    expected = batch_rows(tmp_path, ["begin", "end"], pairs, "batch", "--begin", "begin", "--end", "end",
                          *option_arguments(options))
    begins = pandas.Series([begin for begin, _ in pairs])
    frame = spanwright.spans(begins, numpy.array([end for _, end in pairs], dtype=object), **options)
    assert list(frame.columns) == ["years", "months", "days", "span", "error"]
    assert str(frame["years"].dtype) == "Int64"
    got = list(zip(*(texts(frame[column]) for column in frame.columns)))
    assert got == [tuple(row[2:]) for row in expected]


@pytest.mark.parametrize("options", [
    {"date_order": "dmy"}, {"date_order": "ymd"}, {"switch": "GB", "year_start": "03-25"}, {"century": 1800},
])
def test_spans_read_as_the_batch_reads_under_options(tmp_path, options):
    pairs = random_pairs(5_000, seed=len(options)) + [("17/5/1850", "1/6/1900"), ("10 Feb 1720", "1/1/1750"),
                                                      ("3/3/50", "3/3/99"), ("1850/5/17", "1900/6/1")]
    expected = batch_rows(tmp_path, ["begin", "end"], pairs, "batch", "-b", "1", "-e", "2",
                          *option_arguments(options))
    frame = spanwright.spans(tuple(b for b, _ in pairs), [e for _, e in pairs], **options)
    assert list(zip(*(texts(frame[column]) for column in frame.columns))) == [tuple(row[2:]) for row in expected]


def test_missing_values_read_as_empty_fields():
    frame = spanwright.spans([None, float("nan"), pandas.NA], ["1/1/1900"] * 3)
    assert frame["error"].tolist() == [spanwright.spans([""], ["1/1/1900"])["error"][0]] * 3


AGE_ROWS = [
    ("1/1/1900", "34"), ("US 1880 census", "34"), ("1/1/1850", "69y 10m 2d"), ("May 1850", "3 years"),
    ("1/1/1850", "x"), ("x", "34"), ("1/1/1850", "of full age"), ("10 Feb 1720", "30"), ("1/1/20", "30"),
    ("1/1/1850", "200"), ("abt 1850", "about 20"), ("1 Tishri 5600", "12"), ("15 Mar 44 BC", "50"),
    ("1/1/9990", "20"), ("1/1/1850", "3 weeks"), ("1/1/1850", "infant"),
]


def random_age_rows(count, seed):
    rng = random.Random(seed)
    ages = ["{}", "{} years", "{}y {}m", "abt {}", "{} to {}", "{}m", "{}d", "under {}"]
    rows = []
    for _ in range(count):
        age = rng.choice(ages).format(rng.randint(0, 99), rng.randint(0, 11))
        rows.append((random_date(rng), age))
    return rows + AGE_ROWS


def date_text(value, date_order):
    if value is None:
        return ""
    if date_order == "dmy":
        return f"{value.day}/{value.month}/{value.year:04d}"
    if date_order == "ymd":
        return value.isoformat()
    return f"{value.month}/{value.day}/{value.year:04d}"


@pytest.mark.parametrize("direction,options", [
    ("born", {}), ("died", {}), ("born", {"exact": True}), ("born", {"date_order": "dmy"}),
    ("died", {"date_order": "ymd", "switch": "GB"}),
])
def test_births_and_deaths_are_the_batch_age_columns(tmp_path, direction, options):
    rows = random_age_rows(20_000, seed=7)
    date_column = "--end" if direction == "born" else "--begin"
    expected = batch_rows(tmp_path, ["date", "age"], rows, "batch", date_column, "date", "--age", "age",
                          *option_arguments(options))
    answer = spanwright.births if direction == "born" else spanwright.deaths
    frame = answer(pandas.Series([d for d, _ in rows]), pandas.Series([a for _, a in rows]), **options)
    assert list(frame.columns) == [direction + "_earliest", direction + "_latest", direction + "_count", "error"]
    assert len(frame) == len(expected)
    order = options.get("date_order", "mdy")
    outside = 0
    for got, row in zip(frame.itertuples(index=False), expected):
        earliest, latest, count, error = got
        if earliest is None and row[2] and not row[5]:
            # A date before the year 1 or after 9999: None, and error says so.
            assert error.startswith(direction + "_") and "outside the years 1 to 9999" in error
            outside += 1
            continue
        assert [date_text(earliest, order), date_text(latest, order), texts([count])[0], texts([error])[0]] == row[2:]
    assert outside < len(rows) // 100


def test_births_of_a_date_before_the_year_1_say_why_they_have_none():
    frame = spanwright.births(["15 Mar 44 BC"], ["10"])
    assert frame["born_earliest"][0] is None
    assert frame["error"][0].startswith("born_earliest ")
    assert frame["born_count"][0] > 0


NARROW_ROWS = [
    ("ann", "US 1880 census", "34"), ("ann", "US 1900 census", "54"), ("bob", "1/1/1850", "20"),
    ("bob", "1/1/1850", "40"), ("bob", "1/1/1860", "30"), ("cy", "England 1841 census", "30"),
    ("cy", "x", "3"), ("", "1/1/1850", "3"), ("dee", "abt 1850", "20"), ("ed", "5/2/1891", "of full age"),
    ('f, "q"', "10 Feb 1720", "30"), ("gus", "1 Tishri 5600", "12"),
]


def random_narrow_rows(count, seed):
    rng = random.Random(seed)
    rows = []
    for _ in range(count):
        born = rng.randint(1780, 1900)
        census = rng.choice([1850, 1860, 1870, 1880, 1900, 1910])
        age = census - born + rng.choice([0, 0, 0, -1, 1, 5])
        rows.append((f"p{rng.randrange(count // 3)}", f"US {census} census", str(max(age, 0))))
    return rows + NARROW_ROWS


@pytest.mark.parametrize("options", [{}, {"date_order": "dmy", "exact": True}, {"switch": "GB"}])
def test_narrow_frame_is_narrow_csv(tmp_path, options):
    rows = random_narrow_rows(3_000, seed=11)
    expected = batch_rows(tmp_path, ["person", "date", "age"], rows, "narrow", "--person", "person", "--date",
                          "date", "--age", "age", *option_arguments(options), "--csv")
    frame = pandas.DataFrame(rows, columns=["who", "when", "age"])
    got = spanwright.narrow_frame(frame, "who", "when", "age", **options)
    assert list(got.columns) == ["person", "records", "earliest", "latest", "dates", "conflict", "error", "about"]
    order = options.get("date_order", "mdy")
    written = []
    for row in got.itertuples(index=False):
        about = "about " if row.about else ""
        written.append([row.person, str(row.records)]
                       + [about + date_text(d, order) if d else "" for d in (row.earliest, row.latest)]
                       + texts([row.dates, row.conflict, row.error]))
    assert written == expected


def test_narrow_frame_dates_are_dates():
    frame = pandas.DataFrame({"p": ["a"], "d": ["US 1880 census"], "a": [34]})
    got = spanwright.narrow_frame(frame, "p", "d", "a")
    assert (got["earliest"][0], got["latest"][0], got["dates"][0]) == (
        datetime.date(1845, 6, 2), datetime.date(1846, 6, 1), 365)
