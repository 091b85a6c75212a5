"""Spanwright: how much time lies between two dates in whole years, months
and days, the way an age is stated in genealogy; the answers of
spanwright-cli, byte for byte, for Python and pandas.

Every function takes the command line's reading options as keyword
arguments: date_order ("mdy", "dmy" or "ymd"), switch (the calendar switch:
"GB", "1582", "1752-09-14"...), year_start ("03-25" or "01-01"), century
or pivot (the hundred years of a year of two digits), and where they apply
notation (1 to 4) and exact (ages as exact spans)."""

from .answers import convert, days, narrow, narrow_svg, span
from .frames import births, deaths, narrow_frame, spans
from .trees import census, check, estimate, gedcom_report

__all__ = ["span", "days", "convert", "narrow", "narrow_svg", "spans", "births", "deaths", "narrow_frame",
           "gedcom_report", "check", "estimate", "census"]
