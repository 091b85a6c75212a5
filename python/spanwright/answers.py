"""One question, one answer: what span, days, convert and narrow print."""

import json

from . import _spanwright
from ._options import reading

# The keys of convert's answer, in the command's order; a calendar the day
# lies outside of (French before 22 Sep 1792, say) holds None.
CONVERT_KEYS = ("gregorian", "julian", "swedish", "hebrew", "french", "islamic", "persian", "rumi", "weekday")


def span(begin, end, notation=4, **options):
    """The first line of `spanwright-cli span BEGIN END`: "39 Year(s), 9
    month(s), 19 day(s)", or "at least ..., at most ..." for dates that allow
    several days. A date that is not read raises ValueError with the
    command line's message."""
    return _spanwright.span(str(begin), str(end), notation, reading(**options))


def days(begin, end, **options):
    """The first line of `spanwright-cli days BEGIN END`: "36524", or "at
    least 120, at most 150" for dates that allow several days."""
    return _spanwright.days(str(begin), str(end), reading(**options))


def convert(text, **options):
    """The day in every calendar, as `spanwright-cli convert` prints it:
    {"gregorian": "22 Feb 1732", "julian": "11 Feb 1731/32", "swedish": None,
    "hebrew": "26 Shevat 5492", "french": None, "islamic": "25 Shaban 1144 AH
    (tabular)", "persian": None, "rumi": None, "weekday": "Friday"}, and "note" where the command
    adds one."""
    answer = dict.fromkeys(CONVERT_KEYS)
    answer.update(_spanwright.convert(str(text), reading(**options)))
    return answer


def narrow(records, exact=False, **options):
    """What `spanwright-cli narrow --format json RECORD...` writes, as Python
    values: {"fits": ..., "window": ..., "sets": [...], "more_sets": ...,
    "records": [...]}. records are "WHEN: AGE" texts ("US 1880 census: 34").
    A record that is not read raises ValueError, a line for each."""
    if isinstance(records, str):
        records = [records]
    return json.loads(_spanwright.narrow_json(list(records), exact, reading(**options)))


def narrow_svg(records, exact=False, **options):
    """The picture `spanwright-cli narrow --svg FILE RECORD...` writes, as the
    SVG document's text: each record's window of birth dates on one time
    line, and where they meet. Records not read raise ValueError as narrow."""
    if isinstance(records, str):
        records = [records]
    return _spanwright.narrow_svg(list(records), exact, reading(**options))
