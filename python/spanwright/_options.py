"""The command line's reading options as keyword arguments."""

from . import _spanwright


def reading(date_order="mdy", switch=None, year_start=None, century=None, pivot=None):
    """How dates are read, as --date-order, --switch, --year-start,
    --century and --pivot take it; a value not valid raises ValueError."""
    return _spanwright.Reading(date_order=date_order, switch=switch, year_start=year_start,
                               century=century, pivot=pivot)
