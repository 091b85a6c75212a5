"""span, days, convert, narrow and its picture against the command's own output."""

import json

import pytest

import spanwright
from conftest import cli_refusal, option_arguments, run_cli

# begin, end, reading options: the awkward ones among plain pairs.
PAIRS = [
    ("5/10/1950", "3/1/1990", {}),
    ("May 10, 1950", "3/1/1990", {"notation": 1}),
    ("1850", "3/1/1900", {"notation": 2}),
    ("abt 1850", "bet 1890 and 1895", {}),
    ("bef 1850", "1/1/1900", {}),
    ("11 Feb 1731/32", "1/1/1800", {}),
    ("10 Feb 1720", "1/1/1750", {"switch": "GB", "year_start": "03-25"}),
    ("17/5/1850", "1/6/1900", {"date_order": "dmy", "notation": 3}),
    ("1850/5/17", "1900/6/1", {"date_order": "ymd"}),
    ("3/3/50", "3/3/99", {"century": 1900}),
    ("3/3/50", "3/3/20", {"pivot": 1930}),
    ("15 Mar 44 BC", "19 Aug 14", {}),
    ("18 Brumaire an VIII", "1 Tishri 5600", {}),
    ("1/2/1700", "1/1/1800", {"switch": "GB"}),
    ("die vij Junii MDCCL", "12. März 1850", {}),
]

REFUSED = [
    ("5/17/1990x", "1/1/2000", {}),
    ("1/1/2000", "1/1/1900", {}),
    ("17/5/1850", "1/1/1900", {}),
    ("3/3/50", "3/3/99", {}),
    ("9/5/1752", "1/1/1800", {"switch": "GB"}),
    ("", "1/1/1900", {}),
]


@pytest.mark.parametrize("begin,end,options", PAIRS)
def test_span_is_the_first_line_of_span(begin, end, options):
    out, _, status = run_cli("span", begin, end, *option_arguments(options))
    assert status == 0
    assert spanwright.span(begin, end, **options) == out.splitlines()[0]


@pytest.mark.parametrize("begin,end,options", PAIRS)
def test_days_is_the_first_line_of_days(begin, end, options):
    options = {k: v for k, v in options.items() if k != "notation"}
    out, err, status = run_cli("days", begin, end, *option_arguments(options))
    if status == 0:
        assert spanwright.days(begin, end, **options) == out.splitlines()[0]
    else:
        with pytest.raises(ValueError) as refused:
            spanwright.days(begin, end, **options)
        assert str(refused.value) == err.removeprefix("spanwright-cli: ").rstrip("\n")


@pytest.mark.parametrize("begin,end,options", REFUSED)
def test_a_refused_span_raises_the_command_line_message(begin, end, options):
    message = cli_refusal("span", begin, end, *option_arguments(options))
    with pytest.raises(ValueError) as refused:
        spanwright.span(begin, end, **options)
    assert str(refused.value) == message


@pytest.mark.parametrize("text,options", [
    ("11 Feb 1731/32", {}), ("18 Brumaire an VIII", {}), ("1 Nisan 5600", {}), ("May 1850", {}),
    ("10 Feb 1751", {"switch": "GB", "year_start": "03-25"}), ("5 Mar 1705", {"switch": "SE"}),
    ("1/1/1900", {}), ("15 Mar 44 BC", {}),
])
def test_convert_holds_every_line_of_convert(text, options):
    out, _, status = run_cli("convert", text, *option_arguments(options))
    assert status == 0
    answer = spanwright.convert(text, **options)
    lines = [f"{key}: {answer[key]}" for key in answer if answer[key] is not None]
    assert lines == out.splitlines()


@pytest.mark.parametrize("records,options", [
    (["US 1880 census: 34", "5/2/1891: of full age"], {}),
    (["England 1841 census: 30", "England 1851 census: 41", "1/1/1870: 50"], {}),
    (["1/1/1850: 20", "1/1/1850: 40"], {}),
    (["17/5/1850: 3 years 2 months"], {"date_order": "dmy", "exact": True}),
    (["10 Feb 1720: 30"], {"switch": "GB"}),
])
def test_narrow_is_narrow_json(records, options):
    out, _, _ = run_cli("narrow", "--format", "json", *records, *option_arguments(options))
    assert spanwright.narrow(records, **options) == json.loads(out)


@pytest.mark.parametrize("records,options", [
    (["England 1841 census: 30", "England 1851 census: 41", "1/1/1870: 50"], {}),
    (["1/1/1850: 20", "1/1/1850: 40", "US 1880 census: 34"], {}),
    (["17/5/1850: 3 years 2 months"], {"date_order": "dmy", "exact": True}),
])
def test_narrow_svg_is_the_picture_narrow_draws(records, options, tmp_path):
    picture = tmp_path / "narrow.svg"
    run_cli("narrow", "--svg", str(picture), *records, *option_arguments(options))
    assert spanwright.narrow_svg(records, **options) == picture.read_text()


def test_a_record_not_read_raises_every_problem():
    message = cli_refusal("narrow", "1/1/1850: x", "nonsense")
    with pytest.raises(ValueError) as refused:
        spanwright.narrow(["1/1/1850: x", "nonsense"])
    assert str(refused.value) == message


@pytest.mark.parametrize("options,cli_options", [
    ({"date_order": "myd"}, ["--date-order", "myd"]),
    ({"century": 1950}, ["--century", "1950"]),
    ({"pivot": 50}, ["--pivot", "50"]),
    ({"switch": "XX"}, ["--switch", "XX"]),
    ({"year_start": "04-01"}, ["--year-start", "04-01"]),
])
def test_options_the_command_refuses_raise(options, cli_options):
    _, _, status = run_cli("span", "1/1/1900", "1/1/1950", *cli_options)
    assert status != 0
    with pytest.raises(ValueError):
        spanwright.span("1/1/1900", "1/1/1950", **options)
