"""The PostgreSQL extension against `spanwright-cli batch`: installs it from
the build into the server's folders (cmake --install --component
postgresql, through sudo when not root), starts a server of its own as the
postgres user (initdb into a temporary folder, a private socket, no TCP),
CREATE EXTENSION, then 200,000 random rows and the awkward ones compared
with the batch's cells, the functions' declarations in pg_proc, and a
parallel plan. The server is stopped on every way out. Exits 77 (skipped)
where neither root nor sudo without a password can install.

    postgresql_test.py SPANWRIGHT_CLI BUILD_DIR [ROWS]
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rows  # noqa: E402

DAYS_CHECKED = 400
FUNCTIONS = 12  # sw_span twice, sw_error, sw_days and four each for born and died
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def skip(message):
    print("SKIP:", message)
    sys.exit(77)


def as_root():
    if os.geteuid() == 0:
        return []
    if shutil.which("sudo") and subprocess.run(["sudo", "-n", "true"], capture_output=True).returncode == 0:
        return ["sudo", "-n"]
    skip("installing into the server's folders needs root or sudo without a password")


def as_postgres(root):
    """initdb refuses root: the server is the postgres user's."""
    if root:
        return root + ["-u", "postgres", "--"]
    if os.geteuid() == 0:
        return ["runuser", "-u", "postgres", "--"]
    return ["sudo", "-n", "-u", "postgres", "--"]


class Server:
    def __init__(self, work, postgres):
        self.postgres = postgres
        bindir = subprocess.run(["pg_config", "--bindir"], capture_output=True, text=True,
                                check=True).stdout.strip()
        self.pg_ctl = os.path.join(bindir, "pg_ctl")
        self.data = os.path.join(work, "data")
        self.socket = work
        self.port = str(random.randint(20000, 60000))  # only names the private socket
        self.started = False
        subprocess.run(self.postgres + [os.path.join(bindir, "initdb"), "-D", self.data, "-U", "postgres",
                                        "-E", "UTF8", "--no-locale", "--auth=trust"],
                       check=True, stdout=subprocess.DEVNULL)

    def start(self):
        options = f"-k {self.socket} -p {self.port} -c listen_addresses='' -c max_worker_processes=8"
        self.started = True
        subprocess.run(self.postgres + [self.pg_ctl, "-D", self.data, "-l", os.path.join(self.socket, "log"),
                                        "-o", options, "-w", "start"], check=True, stdout=subprocess.DEVNULL)

    def stop(self):
        if self.started:
            subprocess.run(self.postgres + [self.pg_ctl, "-D", self.data, "-m", "fast", "-w", "stop"],
                           stdout=subprocess.DEVNULL)
            self.started = False

    def psql(self, sql, check=True):
        run = subprocess.run(["psql", "-X", "-q", "-A", "-t", "-F", "|", "-v", "ON_ERROR_STOP=1",
                              "-h", self.socket, "-p", self.port, "-U", "postgres", "-d", "postgres"],
                             input=sql, capture_output=True, text=True)
        if check and run.returncode != 0:
            raise RuntimeError(f"psql: {run.stderr.strip()}")
        return run


def check_cells(server, expected_path):
    server.psql("CREATE EXTENSION spanwright;\n"
                "CREATE TABLE expected (begin text, \"end\" text, age text, span text, span_slashed text, "
                "span_error text, born_earliest text, born_latest text, born_count text, born_error text, "
                "died_earliest text, died_latest text, died_count text, died_error text);\n"
                f"\\copy expected FROM '{expected_path}' WITH (FORMAT csv, HEADER true, "
                "FORCE_NOT_NULL (begin, \"end\", age))\n")
    filled = [int(count) for count in server.psql(rows.filled_query() + ";\n").stdout.strip().split("|")]
    if min(filled) == 0:
        fail(f"some expected column is always empty: {filled}")
    for mismatch in server.psql(rows.mismatch_query(postgresql=True) + ";\n").stdout.splitlines():
        fail(f"cell: {mismatch}")


def check_days(server, rows_path, cli):
    literal = lambda text: "'" + text.replace("'", "''") + "'"  # noqa: E731
    values = ",\n".join(f"({literal(begin)}, {literal(end)}, {'NULL' if days is None else days})"
                        for begin, end, days in rows.days_rows(rows_path, cli, DAYS_CHECKED))
    query = (f"SELECT b, e, sw_days(b, e), d FROM (VALUES {values}) AS t(b, e, d) "
             "WHERE sw_days(b, e) IS DISTINCT FROM d;\n")
    for mismatch in server.psql(query).stdout.splitlines():
        fail(f"sw_days: {mismatch}")


def check_declarations(server):
    listed = server.psql("SELECT proname, provolatile, proparallel, proisstrict FROM pg_proc "
                         "WHERE proname LIKE 'sw\\_%';\n").stdout.splitlines()
    if len(listed) != FUNCTIONS or any(not line.endswith("|i|s|t") for line in listed):
        fail(f"the functions are not all immutable, parallel safe and strict: {listed}")
    notation = server.psql("SELECT sw_span('1/1/1900', '1/1/1950', 5);\n", check=False)
    if notation.returncode == 0 or "the notation is 1, 2, 3 or 4" not in notation.stderr:
        fail(f"notation 5: {notation.stdout} {notation.stderr}")


def check_parallel(server):
    query = ("SELECT count(sw_born_earliest(\"end\", age)), count(sw_span(begin, \"end\")), "
             "sum(sw_died_count(begin, age)) FROM expected")
    serial = server.psql(f"SET max_parallel_workers_per_gather = 0; {query};\n").stdout
    forced = ("SET force_parallel_mode = on; SET parallel_setup_cost = 0; SET parallel_tuple_cost = 0; "
              "SET min_parallel_table_scan_size = 0; SET max_parallel_workers_per_gather = 2; ")
    plan = server.psql(f"{forced} EXPLAIN (ANALYZE, COSTS OFF, TIMING OFF) {query};\n").stdout
    launched = [line for line in plan.splitlines() if "Workers Launched:" in line]
    if "Gather" not in plan or not launched or launched[0].split(":")[1].strip() == "0":
        fail(f"no parallel plan with workers:\n{plan}")
    parallel = server.psql(f"{forced} {query};\n").stdout
    if parallel != serial:
        fail(f"the parallel query gave {parallel!r}, the serial one {serial!r}")


def main():
    cli, build = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 200_000
    if not shutil.which("pg_config") or not shutil.which("psql"):
        skip("PostgreSQL (postgresql-15, postgresql-server-dev-15) is not installed")
    root = as_root()
    subprocess.run(root + ["cmake", "--install", build, "--component", "postgresql"], check=True,
                   stdout=subprocess.DEVNULL)
    # Stopped on a signal too: SystemExit runs the finally below.
    for stop_signal in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(stop_signal, lambda number, frame: sys.exit(128 + number))
    work = tempfile.mkdtemp(prefix="spanwright-pg.")
    # The server's folder is the postgres user's; the rows stay the caller's.
    server_dir = os.path.join(work, "server")
    server = None
    try:
        os.chmod(work, 0o755)
        os.mkdir(server_dir)
        subprocess.run(root + ["chown", "postgres:", server_dir], check=True)
        server = Server(server_dir, as_postgres(root))
        server.start()
        rows_path = os.path.join(work, "rows.csv")
        expected_path = os.path.join(work, "expected.csv")
        rows.write(rows_path, count)
        rows.expect(rows_path, cli, expected_path)
        check_cells(server, expected_path)
        check_days(server, rows_path, cli)
        check_declarations(server)
        check_parallel(server)
    finally:
        if server:
            server.stop()
        subprocess.run(root + ["rm", "-rf", server_dir])
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit(f"{len(failures)} failure(s)")
    print(f"PASS: {count} rows, every function as the batch, immutable and parallel safe, in a parallel plan")


if __name__ == "__main__":
    main()
