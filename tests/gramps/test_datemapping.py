"""The addon's mapping of Gramps dates to GEDCOM values, case by case:
Gramps' own date parser makes each Date, so the cases are dates as Gramps
users enter them. Run with the addon's folder on sys.path."""

import sys
import unittest

from gramps.gen.datehandler import parser
from gramps.gen.lib import Date

from datemapping import gedcom_date

CASES = [
    # (what a Gramps user types, GEDCOM value, or None with a refusal)
    ("12 May 1850", "12 MAY 1850"),
    ("May 1850", "MAY 1850"),
    ("about 1850", "ABT 1850"),
    ("before 3 March 1700", "BEF 3 MAR 1700"),
    ("after 1700", "AFT 1700"),
    ("estimated 1850", "EST 1850"),
    ("calculated 1850", "CAL 1850"),
    ("between 1800 and May 1810", "BET 1800 AND MAY 1810"),
    ("from 1800 to 1810", "FROM 1800 TO 1810"),
    ("1 Feb 1700 (Julian)", "@#DJULIAN@ 1 FEB 1700"),
    ("between 1700 and 1710 (Julian)", "BET @#DJULIAN@ 1700 AND @#DJULIAN@ 1710"),
    # Dual dated: Gramps keeps the year that began on 1 January.
    ("1 Feb 1700/01", "@#DJULIAN@ 1 FEB 1701"),
    ("15 Shevat 5600 (Hebrew)", "@#DHEBREW@ 15 SHV 5600"),
    ("1 Vendémiaire 10 (French Republican)", "@#DFRENCH R@ 1 VEND 10"),
    ("50 BC", "50 B.C."),
    ("20", "20"),
    ("1 Feb 1700 (Mar25)", None),
    ("est before 1800", None),
    ("est between 1800 and 1810", None),
    ("1 Muharram 1300 (Islamic)", None),
    ("1 Farvardin 1300 (Persian)", None),
    ("in the war", "in the war"),
]


class DateMappingTest(unittest.TestCase):
    def test_cases(self):
        for text, expected in CASES:
            with self.subTest(text=text):
                date = parser.parse(text)
                mapped = gedcom_date(date)
                self.assertEqual(mapped.value, expected, str(date))
                self.assertEqual(bool(mapped.refused), expected is None, mapped.refused)

    def test_four_digit_years(self):
        # For the span reader, which reads "20" alone as no year.
        self.assertEqual(gedcom_date(parser.parse("3 May 20"), four_digit_years=True).value, "3 MAY 0020")
        self.assertEqual(gedcom_date(parser.parse("1850"), four_digit_years=True).value, "1850")

    def test_empty(self):
        self.assertIsNone(gedcom_date(Date()).value)
        self.assertIsNone(gedcom_date(Date()).refused)


if __name__ == "__main__":
    sys.exit(unittest.main())
