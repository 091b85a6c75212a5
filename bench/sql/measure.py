"""Times the SQL functions over a million rows (the tests' random rows and
awkward ones, sql/tests/rows.py) in SQLite and PostgreSQL, against
`spanwright-cli batch` on the same rows as a file. Not a test: it prints
the seconds. PostgreSQL is timed where the extension can be installed
(root or sudo), in a server of its own, serial and with two workers.

    measure.py BUILD_DIR [ROWS]
"""
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "sql", "tests"))
import rows  # noqa: E402
import postgresql_test  # noqa: E402

SPAN = 'count(sw_span(begin, "end"))'
BORN = 'count(sw_born_earliest("end", age))'


def seconds(action):
    start = time.perf_counter()
    action()
    return time.perf_counter() - start


def batch(cli, path, work, options):
    out = os.path.join(work, "out.csv")
    return seconds(lambda: subprocess.run([cli, "batch", path, "-o", out] + options, stderr=subprocess.DEVNULL))


def sqlite_times(module, path):
    connection = sqlite3.connect(":memory:")
    connection.enable_load_extension(True)
    connection.load_extension(module)
    connection.execute('CREATE TABLE t (begin TEXT, "end" TEXT, age TEXT)')
    with open(path, encoding="utf-8") as source:
        import csv
        table = csv.reader(source)
        next(table)
        connection.executemany("INSERT INTO t VALUES (?, ?, ?)", table)
    return [seconds(lambda: connection.execute(f"SELECT {what} FROM t").fetchone()) for what in (SPAN, BORN)]


def postgresql_times(build, path, work):
    root = postgresql_test.as_root()
    subprocess.run(root + ["cmake", "--install", build, "--component", "postgresql"], check=True,
                   stdout=subprocess.DEVNULL)
    server_dir = os.path.join(work, "server")
    os.mkdir(server_dir)
    subprocess.run(root + ["chown", "postgres:", server_dir], check=True)
    server = postgresql_test.Server(server_dir, postgresql_test.as_postgres(root))
    try:
        server.start()
        server.psql('CREATE EXTENSION spanwright; CREATE TABLE t (begin text, "end" text, age text);\n'
                    f"\\copy t FROM '{path}' WITH (FORMAT csv, HEADER true, FORCE_NOT_NULL (begin, \"end\", age))\n"
                    "VACUUM ANALYZE t;\n")
        times = {}
        for workers in (0, 2):
            for name, what in (("span", SPAN), ("born", BORN)):
                settings = f"SET max_parallel_workers_per_gather = {workers};"
                times[(name, workers)] = seconds(lambda: server.psql(f"{settings} SELECT {what} FROM t;\n"))
        return times
    finally:
        server.stop()
        subprocess.run(root + ["rm", "-rf", server_dir])


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    cli = os.path.join(build, "bin", "spanwright-cli")
    module = os.path.join(build, "lib", "spanwright_sqlite.so")
    work = tempfile.mkdtemp(prefix="spanwright-sqlbench.")
    try:
        os.chmod(work, 0o755)
        path = os.path.join(work, "rows.csv")
        rows.write(path, count)
        print(f"{count} rows, seconds")
        print(f"batch span (all cores)     {batch(cli, path, work, ['-b', 'begin', '-e', 'end']):7.2f}")
        print(f"batch born (all cores)     {batch(cli, path, work, ['-e', 'end', '-a', 'age']):7.2f}")
        span, born = sqlite_times(module, path)
        print(f"SQLite sw_span             {span:7.2f}")
        print(f"SQLite sw_born_earliest    {born:7.2f}")
        if shutil.which("pg_config"):
            times = postgresql_times(build, path, work)
            for (name, workers), value in times.items():
                print(f"PostgreSQL {name}, {workers} workers  {value:7.2f}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
