"""The command line these tests hold the package's answers against: the
build's spanwright-cli (SPANWRIGHT_CLI), and its test data (SPANWRIGHT_DATA)."""

import os
import subprocess

import pytest

PREFIX = "spanwright-cli: "


def cli_path():
    return os.environ["SPANWRIGHT_CLI"]


def run_cli(*arguments, stdin=None):
    """The command's run: standard output as text, standard error, status."""
    done = subprocess.run([cli_path(), *arguments], input=stdin, capture_output=True)
    return done.stdout.decode(), done.stderr.decode(), done.returncode


def cli_refusal(*arguments):
    """The command line's message for a refused question, without its name."""
    out, err, status = run_cli(*arguments)
    assert status != 0, out
    assert err.startswith(PREFIX), err
    return "\n".join(line.removeprefix(PREFIX) for line in err.splitlines())


def option_arguments(options):
    """Keyword arguments as the command line's options."""
    names = {"date_order": "--date-order", "switch": "--switch", "year_start": "--year-start",
             "century": "--century", "pivot": "--pivot", "notation": "--notation"}
    arguments = []
    for name, value in options.items():
        if name == "exact":
            arguments += ["--exact"] if value else []
        else:
            arguments += [names[name], str(value)]
    return arguments


@pytest.fixture
def data_dir():
    return os.environ["SPANWRIGHT_DATA"]
