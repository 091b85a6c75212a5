"""The SQLite extension that comes with the package: sw_span, sw_days,
sw_born_earliest and the other SQL functions, in a sqlite3 connection or
in the sqlite3 shell.

    import sqlite3, spanwright.sqlite
    connection = sqlite3.connect("tree.db")
    spanwright.sqlite.load(connection)
    connection.execute("select sw_span('5/10/1950', '3/1/1990')").fetchone()

In the shell, `.load` takes the file's path without its suffix (the shell
adds .so itself): `.load /path/to/spanwright_sqlite`; extension_path()
gives the whole path, with the suffix."""

import pathlib

_HERE = pathlib.Path(__file__).resolve().parent


def extension_path():
    """The full path of the loadable extension's file beside this module
    (…/spanwright/spanwright_sqlite.so; the shell's .load takes it without
    .so). FileNotFoundError where the package was built without it."""
    for pattern in ("*spanwright_sqlite*.so", "*spanwright_sqlite*.dylib", "*spanwright_sqlite*.dll"):
        found = sorted(_HERE.glob(pattern))
        if found:
            return str(found[0])
    raise FileNotFoundError(f"no SQLite extension in {_HERE}: the package was built without it")


def load(connection):
    """Loads the extension into a sqlite3 connection; extension loading is
    allowed only while it loads."""
    path = extension_path()
    connection.enable_load_extension(True)
    try:
        connection.load_extension(path)
    finally:
        connection.enable_load_extension(False)
