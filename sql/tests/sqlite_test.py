"""The SQLite extension against `spanwright-cli batch`: 200,000 random rows
and the awkward ones, through Python's sqlite3 module and through the
sqlite3 shell's .load, every function compared with the batch's cells.

    sqlite_test.py SPANWRIGHT_CLI MODULE [ROWS]
"""
import csv
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rows  # noqa: E402

DAYS_CHECKED = 400  # one `spanwright-cli days` each
DETERMINISTIC = 0x800       # SQLITE_DETERMINISTIC
INNOCUOUS = 0x200000        # SQLITE_INNOCUOUS
FUNCTIONS = sorted({check[0] for check in rows.CHECKS} | {"sw_days"})
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def open_database(module, path=":memory:"):
    connection = sqlite3.connect(path)
    connection.enable_load_extension(True)
    connection.load_extension(module)
    connection.enable_load_extension(False)
    return connection


def load_expected(connection, expected_path):
    with open(expected_path, newline="", encoding="utf-8") as source:
        table = csv.reader(source)
        header = next(table)
        connection.execute(f"CREATE TABLE expected ({', '.join(f'{name!r} TEXT' for name in header)})")
        connection.executemany(f"INSERT INTO expected VALUES ({', '.join('?' * len(header))})", table)
    connection.commit()


def check_cells(connection, where):
    filled = connection.execute(rows.filled_query()).fetchone()
    if min(filled) == 0:
        fail(f"some expected column is always empty: {filled}")
    mismatches = connection.execute(rows.mismatch_query(postgresql=False)).fetchall()
    for mismatch in mismatches:
        fail(f"{where}: {mismatch}")
    return len(mismatches)


def check_days(connection, rows_path, cli):
    for begin, end, days in rows.days_rows(rows_path, cli, DAYS_CHECKED):
        got = connection.execute("SELECT sw_days(?, ?)", (begin, end)).fetchone()[0]
        if got != days:
            fail(f"sw_days({begin!r}, {end!r}) gave {got!r}, spanwright-cli days {days!r}")


def check_declarations(connection):
    listed = {(name, narg): flags for name, narg, flags in connection.execute(
        "SELECT name, narg, flags FROM pragma_function_list WHERE name LIKE 'sw\\_%' ESCAPE '\\'")}
    for name in FUNCTIONS:
        found = [flags for (listed_name, _), flags in listed.items() if listed_name == name]
        if not found or any(flags & (DETERMINISTIC | INNOCUOUS) != DETERMINISTIC | INNOCUOUS for flags in found):
            fail(f"{name} is not declared deterministic and innocuous: {found}")
    if (("sw_span", 3) not in listed):
        fail("sw_span takes no notation")


def check_edges(connection):
    null = connection.execute("SELECT " + ", ".join(f"{name}(NULL, '1/1/1900')" for name in FUNCTIONS)).fetchone()
    if any(value is not None for value in null):
        fail(f"a NULL argument gave {null}")
    if connection.execute("SELECT sw_span('1/1/1900', '1/1/1950', NULL)").fetchone()[0] is not None:
        fail("a NULL notation gave a span")
    for notation in ("0", "5", "'worded'"):
        try:
            connection.execute(f"SELECT sw_span('1/1/1900', '1/1/1950', {notation})").fetchone()
            fail(f"notation {notation} was taken")
        except sqlite3.OperationalError as error:
            if "notation is 1, 2, 3 or 4" not in str(error):
                fail(f"notation {notation}: {error}")
    # Deterministic: allowed in an index's expression.
    connection.execute("CREATE INDEX by_born ON expected (sw_born_earliest(\"end\", age))")


def check_shell(module, expected_path, cli):
    shell = shutil.which("sqlite3")
    if not shell:
        fail("the sqlite3 shell is not installed")
        return
    # .load with the file name alone: the shell adds the suffix and derives
    # the entry point from the name.
    stem = os.path.splitext(module)[0]
    script = "\n".join([f".load {stem}", ".mode csv", f".import {expected_path} expected",
                        ".mode list", ".separator |", rows.mismatch_query(postgresql=False) + ";",
                        "SELECT 'span ' || sw_span('11 Feb 1731/32', '14 Dec 1799', 2);", ""])
    run = subprocess.run([shell, ":memory:"], input=script, capture_output=True, text=True)
    lines = run.stdout.splitlines()
    if run.returncode != 0 or run.stderr:
        fail(f"sqlite3 shell: status {run.returncode}: {run.stderr.strip()}")
    wanted = subprocess.run([cli, "span", "-n", "2", "11 Feb 1731/32", "14 Dec 1799"],
                            capture_output=True, text=True).stdout.splitlines()[0]
    if lines != ["span " + wanted]:
        fail(f"sqlite3 shell gave {lines[:20]}, not only the span {wanted!r}")


def main():
    cli, module = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 200_000
    with tempfile.TemporaryDirectory() as work:
        rows_path = os.path.join(work, "rows.csv")
        expected_path = os.path.join(work, "expected.csv")
        rows.write(rows_path, count)
        rows.expect(rows_path, cli, expected_path)
        connection = open_database(module)
        load_expected(connection, expected_path)
        check_cells(connection, "python sqlite3")
        check_days(connection, rows_path, cli)
        check_declarations(connection)
        check_edges(connection)
        check_shell(module, expected_path, cli)
    if failures:
        sys.exit(f"{len(failures)} failure(s)")
    print(f"PASS: {count} rows, every function as the batch, in Python and in the sqlite3 shell")


if __name__ == "__main__":
    main()
