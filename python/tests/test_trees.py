"""gedcom_report and check against their commands' CSV on the test trees."""

import csv
import datetime
import io
import os

import pytest

import spanwright
from conftest import option_arguments, run_cli

TREES = ["forms.ged", "tree.gdz"]


def csv_rows(text):
    return list(csv.reader(io.StringIO(text)))


def frame_rows(frame):
    return [list(frame.columns)] + frame.values.tolist()


def warnings_of(err):
    return [line.removeprefix("spanwright-cli: ") for line in err.splitlines() if line.startswith("spanwright-cli: ")]


@pytest.mark.parametrize("tree", TREES)
@pytest.mark.parametrize("options", [{}, {"switch": "GB"}, {"switch": "GB", "year_start": "03-25"}])
def test_gedcom_report_is_the_gedcom_csv(data_dir, tree, options):
    path = os.path.join(data_dir, "gedcom", tree)
    out, err, _ = run_cli("gedcom", path, *option_arguments(options))
    frame = spanwright.gedcom_report(path, **options)
    assert frame_rows(frame) == csv_rows(out)
    assert frame.attrs["warnings"] == warnings_of(err)


@pytest.mark.parametrize("tree", TREES)
@pytest.mark.parametrize("today,options", [("2026-01-01", {}), ("1/1/1901", {"switch": "GB"}),
                                           (datetime.date(1950, 6, 1), {})])
def test_check_is_the_check_csv(data_dir, tree, today, options):
    path = os.path.join(data_dir, "gedcom", tree)
    out, _, _ = run_cli("check", path, "--today", str(today), *option_arguments(options))
    frame = spanwright.check(path, today=today, **options)
    assert list(frame.columns) == ["rule", "certainty", "severity", "individual", "family", "detail"]
    assert frame_rows(frame) == csv_rows(out)


def test_a_tree_that_cannot_be_read_raises_the_reason(data_dir):
    path = os.path.join(data_dir, "gedcom", "other.gdz")
    _, err, status = run_cli("gedcom", path)
    assert status == 2
    with pytest.raises(ValueError) as refused:
        spanwright.gedcom_report(path)
    assert str(refused.value).splitlines() == warnings_of(err)
    with pytest.raises(ValueError):
        spanwright.gedcom_report(os.path.join(data_dir, "no such file.ged"))
