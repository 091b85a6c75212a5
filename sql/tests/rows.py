"""The rows the SQL tests and the benchmark give both the SQL functions and
`spanwright-cli batch`: seeded random pairs of dates in the forms registers
write them, random stated ages, and the awkward rows no random draw makes
(ranges, refusals, dual years, other calendars, ages with about, empty
cells), then the batch's cells for the same rows as the SQL functions
should give them.

    rows.py write ROWS.csv COUNT [SEED]
    rows.py expect ROWS.csv SPANWRIGHT_CLI EXPECTED.csv

mismatch_query() and days_rows() are what the tests build on them.
"""
import csv
import random
import subprocess
import sys
import tempfile
import os

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
FULL_MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December"]

# One of each kind a random draw never makes; the begin, end and age of a
# row are each used in every mode.
AWKWARD = [
    ("May 1850", "bef 1850", "about 60"),
    ("bef 1850", "1/1/1900", "abt 45 years"),
    ("about 1800", "aft 1860", "3 months"),
    ("1850-1855", "3/3/1901", "45y 3m"),
    ("11 Feb 1731/32", "14 Dec 1799", "67 years, 9 months, 22 days"),
    ("1/26/1728/9", "22 Feb 1732", "39 years"),
    ("15 Nisan 5708", "1 Tishrei 5780", "in his 40th year"),
    ("18 Brumaire an VIII", "1er vendémiaire an XII", "quatre-vingt-dix ans"),
    ("3/3/50", "12/31/1999", "Aged 39"),
    ("2/30/1900", "3/1/1900", "forty"),
    ("", "1/1/1900", ""),
    ("1/1/1900", "", "0"),
    ("Feb 29, 1900", "tomorrow", "-3"),
    ("5/6/1990", "5/6/1980", "Æt. 58."),
    ("12. März 1850", "den 7. Juni 1930", "im Alter von 45 Jahren"),
    ("30/12/1900", "31/12/1950", "aged tres"),
    ("1/1/0001", "12/31/9999", "9000 years"),
    ("1/15/9990", "3/3/9999", "30 years"),
    ("3/15/0100", "3/15/0044", "80 years"),  # born before AD 1
    ("Oct. 3. 1802.", "Nov[ember] 3, 1802", "5 w"),
    ("1750s", "1800", "three weeks"),
    ("12 7bris 1765", "die vij Junii MDCCL", "anno aetatis suae 45"),
    ("about 3 Mar 1850", "about 3 Mar 1900", "about 1 year"),
    ("1 Jan 1850", "1 Jan 1850", "1m 1d"),
    ("not a date", "1/1/1900", "aged 79 years, 9 months, 29 days"),
]


def random_date(rng):
    year = rng.randint(1000, 2100)
    month = rng.randint(1, 12)
    day = rng.randint(1, 31)  # some days no month has: refusals
    form = rng.randrange(6)
    if form == 0:
        return f"{month}/{day}/{year}"
    if form == 1:
        return f"{day} {MONTHS[month - 1]} {year}"
    if form == 2:
        return f"{FULL_MONTHS[month - 1]} {day}, {year}"
    if form == 3:
        return f"{year:04d}-{month:02d}-{day:02d}"
    if form == 4:
        return f"{MONTHS[month - 1]} {year}"
    return str(year)


def random_age(rng):
    years = rng.randint(0, 105)
    form = rng.randrange(6)
    if form == 0:
        return str(years)
    if form == 1:
        return f"{years} years"
    if form == 2:
        return f"{years}y {rng.randint(0, 11)}m"
    if form == 3:
        return f"aged {years} years, {rng.randint(0, 11)} months, {rng.randint(0, 30)} days"
    if form == 4:
        return f"about {years}"
    return f"{rng.randint(1, 400)} days"


def write(path, count, seed=1850):
    rng = random.Random(seed)
    with open(path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["begin", "end", "age"])
        for row in AWKWARD:
            writer.writerow(row)
        for _ in range(count - len(AWKWARD)):
            writer.writerow([random_date(rng), random_date(rng), random_age(rng)])


def batch(cli, rows_path, options):
    """The batch's appended cells of each row, in order."""
    with tempfile.TemporaryDirectory() as work:
        out_path = os.path.join(work, "out.csv")
        # Its notes on standard error (a column that reads day first) are
        # about the random rows, which mix both orders on purpose.
        status = subprocess.run([cli, "batch", rows_path, "-o", out_path] + options,
                                stderr=subprocess.DEVNULL).returncode
        if status not in (0, 1):
            sys.exit(f"spanwright-cli batch {' '.join(options)} ended with status {status}")
        with open(out_path, newline="", encoding="utf-8") as result:
            table = list(csv.reader(result))
    return [row[3:] for row in table[1:]]


def iso(batch_date):
    """M/D/YYYY as the batch writes a date, as an ISO date; None where the
    year has an era or more than four digits, which an ISO date cannot hold."""
    if not batch_date:
        return ""
    month, day, year = batch_date.split("/")
    if not year.isdigit() or not 1 <= int(year) <= 9999:
        return None
    return f"{int(year):04d}-{int(month):02d}-{int(day):02d}"


def dates_cells(cells):
    earliest, latest, count, error = cells
    first, last = iso(earliest), iso(latest)
    if first is None or last is None:
        return ["", "", count, "outside"]  # the SQL says why in its own words
    return [first, last, count, error]


def expect(rows_path, cli, expected_path):
    spans = batch(cli, rows_path, ["--begin", "begin", "--end", "end"])
    slashed = batch(cli, rows_path, ["--begin", "begin", "--end", "end", "-n", "1"])
    born = batch(cli, rows_path, ["--end", "end", "--age", "age"])
    died = batch(cli, rows_path, ["--begin", "begin", "--age", "age"])
    with open(rows_path, newline="", encoding="utf-8") as source:
        rows = list(csv.reader(source))[1:]
    with open(expected_path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["begin", "end", "age", "span", "span_slashed", "span_error",
                         "born_earliest", "born_latest", "born_count", "born_error",
                         "died_earliest", "died_latest", "died_count", "died_error"])
        for row, span, slash, birth, death in zip(rows, spans, slashed, born, died):
            writer.writerow(row + [span[3], slash[3], span[4]] + dates_cells(birth) + dates_cells(death))


# Each SQL function, its arguments (columns of the expected table), the
# expected column it must equal, and the SQL type to read that column as.
CHECKS = [
    ("sw_span", "begin, \"end\"", "span", "text"),
    ("sw_span", "begin, \"end\", 1", "span_slashed", "text"),
    ("sw_error", "begin, \"end\"", "span_error", "text"),
    ("sw_born_earliest", "\"end\", age", "born_earliest", "date"),
    ("sw_born_latest", "\"end\", age", "born_latest", "date"),
    ("sw_born_count", "\"end\", age", "born_count", "integer"),
    ("sw_born_error", "\"end\", age", "born_error", "text"),
    ("sw_died_earliest", "begin, age", "died_earliest", "date"),
    ("sw_died_latest", "begin, age", "died_latest", "date"),
    ("sw_died_count", "begin, age", "died_count", "integer"),
    ("sw_died_error", "begin, age", "died_error", "text"),
]

OUTSIDE = "%lie outside the years 1 to 9999 an ISO date can hold"


def mismatch_query(postgresql, table="expected", limit=20):
    """The rows where some function differs from the batch's cell: the
    function, the row's texts, what it gave and what the batch did. An empty
    cell is NULL; SQLite's dates are ISO text, PostgreSQL's are dates."""
    parts = []
    for function, arguments, column, sql_type in CHECKS:
        answer = f"{function}({arguments})"
        wanted = f"nullif({column}, '')"
        if sql_type == "integer" or (postgresql and sql_type == "date"):
            wanted = f"CAST({wanted} AS {sql_type})"
        agrees = f"{answer} IS NOT DISTINCT FROM {wanted}"
        if column.endswith("_error"):
            agrees = f"(CASE WHEN {column} = 'outside' THEN coalesce({answer} LIKE '{OUTSIDE}', false) ELSE {agrees} END)"
        parts.append(f"SELECT '{answer}' AS check_name, begin, \"end\", age, CAST({answer} AS text) AS got, "
                     f"{column} AS batch FROM {table} WHERE NOT ({agrees})")
    return "SELECT * FROM (" + " UNION ALL ".join(parts) + f") AS mismatches LIMIT {limit}"


def filled_query(table="expected"):
    """How many rows of each checked column hold a value: a comparison over
    a column that is always empty would prove nothing."""
    return "SELECT " + ", ".join(f"count(nullif({column}, ''))" for _, _, column, _ in CHECKS) + f" FROM {table}"


def days_rows(rows_path, cli, count):
    """(begin, end, days) for the first COUNT rows: what `spanwright-cli days`
    prints where it prints one whole number, else None."""
    with open(rows_path, newline="", encoding="utf-8") as source:
        rows = list(csv.reader(source))[1:count + 1]
    answers = []
    for begin, end, _ in rows:
        run = subprocess.run([cli, "days", "--", begin, end], capture_output=True, text=True)
        first = run.stdout.split("\n")[0]
        whole = run.returncode == 0 and first.lstrip("-").isdigit()
        answers.append((begin, end, int(first) if whole else None))
    return answers


if __name__ == "__main__":
    if len(sys.argv) >= 4 and sys.argv[1] == "write":
        write(sys.argv[2], int(sys.argv[3]), *(int(s) for s in sys.argv[4:5]))
    elif len(sys.argv) == 5 and sys.argv[1] == "expect":
        expect(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        sys.exit(__doc__)
