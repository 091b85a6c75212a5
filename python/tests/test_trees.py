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


# A life across English and US censuses, one recorded, and a daughter known
# only by her christening.
FAMILY = "\n".join([
    "0 HEAD", "1 GEDC", "2 VERS 5.5.1", "1 CHAR UTF-8",
    "0 @I1@ INDI", "1 NAME John /Smith/", "1 BIRT", "2 DATE 12 MAR 1840", "2 PLAC Leeds, Yorkshire, England",
    "1 CENS", "2 DATE 30 MAR 1851", "2 PLAC Leeds, Yorkshire, England",
    "1 RESI", "2 DATE 1866", "2 PLAC Boston, Massachusetts",
    "1 DEAT", "2 DATE 1 JUN 1880", "2 PLAC Boston, Massachusetts", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 NAME Mary /Smith/", "1 SEX F", "1 FAMC @F1@",
    "1 CHR", "2 DATE 1865", "2 PLAC Leeds, Yorkshire, England",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "0 TRLR", ""])

ESTIMATE_OPTIONS = {"mother_ages": "--mother-ages", "father_ages": "--father-ages", "max_life": "--max-life",
                    "sibling_gap_months": "--sibling-gap-months", "switch": "--switch", "country": "--country"}


def estimate_arguments(options):
    return [argument for name, value in options.items() if name != "missing"
            for argument in (ESTIMATE_OPTIONS[name], str(value))] + (["--missing"] if options.get("missing") else [])


@pytest.mark.parametrize("tree", TREES + ["family"])
@pytest.mark.parametrize("options", [{}, {"father_ages": "20-60", "max_life": 90, "sibling_gap_months": 12},
                                     {"switch": "GB", "mother_ages": "18-44"}])
def test_estimate_and_census_are_their_commands_csv(data_dir, tmp_path, tree, options):
    if tree == "family":
        path = tmp_path / "family.ged"
        path.write_text(FAMILY)
        source = FAMILY  # the text itself
    else:
        path = source = os.path.join(data_dir, "gedcom", tree)
    out, _, _ = run_cli("estimate", str(path), *estimate_arguments(options))
    frame = spanwright.estimate(source, **options)
    assert frame_rows(frame) == csv_rows(out)
    assert list(frame.columns)[-1] == "reasons"
    for census_options in [{}, {"missing": True}, {"country": "US"}]:
        out, _, _ = run_cli("census", str(path), *estimate_arguments({**options, **census_options}))
        frame = spanwright.census(source, **options, **census_options)
        assert list(frame.columns) == ["id", "name", "census", "census_day", "alive", "recorded", "age"]
        assert frame_rows(frame) == csv_rows(out)
    if tree == "family":
        assert ["England 1851", "3/30/1851", "certain", "yes"] in spanwright.census(source).iloc[:, 2:6].values.tolist()


@pytest.mark.parametrize("options,refused", [({"mother_ages": "50-14"}, "mother_ages"), ({"max_life": 130}, "max_life"),
                                             ({"country": "France"}, "France")])
def test_estimate_refuses_what_its_command_refuses(options, refused):
    with pytest.raises(ValueError, match=refused):
        spanwright.census(FAMILY, **options)
