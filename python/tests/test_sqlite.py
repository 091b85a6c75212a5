"""The SQLite extension's place in the package, where the build has it."""

import os
import sqlite3

import pytest

import spanwright.sqlite


def test_extension_path_names_the_file_or_says_there_is_none():
    try:
        path = spanwright.sqlite.extension_path()
    except FileNotFoundError as missing:
        assert "built without it" in str(missing)
        pytest.skip("this build has no SQLite extension")
    assert os.path.isfile(path)
    connection = sqlite3.connect(":memory:")
    spanwright.sqlite.load(connection)
    assert connection.execute("select sw_span('5/10/1950', '3/1/1990')").fetchone()[0] == spanwright.span(
        "5/10/1950", "3/1/1990")
    # Loading is allowed again only while load() runs.
    with pytest.raises(sqlite3.OperationalError):
        connection.execute("select load_extension('none')")
