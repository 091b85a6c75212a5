#!/usr/bin/env bash
# The Python package as users install it: a copy of the tree installed with
# pip into a fresh virtual environment that sees the distribution's NumPy
# and pandas, then imported from outside the tree and asked a question,
# in Python and through the SQLite extension it brings.
# Usage: python_install_test.sh SOURCE_DIR PYTHON
set -euo pipefail
source_dir=$1
python=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tree's files, not its build folders: what a clone holds, and what
# is added but not yet committed.
mkdir "$work/tree"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$work/tree" 2>/dev/null) ||
    (cd "$source_dir" && tar --exclude='./build' --exclude='./build-*' -cf - . | tar -xf - -C "$work/tree")

"$python" -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install --quiet --no-build-isolation --no-index "$work/tree"

cd "$work"
"$work/venv/bin/python" - "$work/venv" <<'PYTHON'
import pathlib
import sys

import spanwright

venv = pathlib.Path(sys.argv[1]).resolve()
installed = pathlib.Path(spanwright.__file__).resolve()
assert venv in installed.parents, f"spanwright imported from {installed}, not the environment"
answer = spanwright.span("5/10/1950", "3/1/1990")
assert answer == "39 Year(s), 9 month(s), 19 day(s)", answer
frame = spanwright.spans(["1850"], ["3/1/1900"])
assert frame["span"][0].startswith("at least "), frame
# The SQLite extension comes with the package.
import sqlite3
import spanwright.sqlite
connection = sqlite3.connect(":memory:")
spanwright.sqlite.load(connection)
days = connection.execute("select sw_days('5/10/1950', '3/1/1990')").fetchone()[0]
assert days == int(spanwright.days("5/10/1950", "3/1/1990")), days
print("installed", installed.parent)
PYTHON
