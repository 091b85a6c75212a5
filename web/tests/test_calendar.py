#!/usr/bin/python3
"""The page's calendars and languages in headless Chromium, against the
command line: the conversion lines under a span, the switch from the Julian
to the Gregorian calendar (chosen once for the page, remembered), the
calendar part's conversions and refusals, and dates of the registers'
languages read as the command line reads them.

usage: test_calendar.py SITE_FOLDER CLI
"""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import test_page  # noqa: E402 (its browser, server, helpers and command line; skips without selenium)
from test_page import cli  # noqa: E402

from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import Select  # noqa: E402

NO_SWITCH = ""
CLI_PREFIX = "spanwright-cli: "
USAGE_STATUS = 2


def cli_problem(result):
    """What the command line says when it refuses, without its name."""
    return result.stderr.decode().strip().removeprefix(CLI_PREFIX)


def switch_options(code):
    return ["--switch", code] if code else []


class CalendarTest(test_page.PageTest):
    def setUp(self):
        self.choose_switch(NO_SWITCH)

    # --- Helpers ------------------------------------------------------------

    def choose_switch(self, code):
        Select(self.element("switch")).select_by_value(code)

    def chosen_switch(self):
        return Select(self.element("switch")).first_selected_option.get_attribute("value")

    def lines_of(self, element_id):
        return self.driver.execute_script(
            "return [...document.getElementById(arguments[0]).children].map((e) => e.textContent)", element_id)

    def calculate(self, birth, death):
        self.type_into("birth", birth)
        self.type_into("death", death).send_keys(Keys.ENTER)

    def page_span_output(self):
        """The span part's answer and lines as the command line prints them."""
        lines = [self.element("result").get_attribute("value"), *self.lines_of("span-calendars")]
        return "".join(line + "\n" for line in lines)

    def convert(self, text):
        self.type_into("convert-date", text).send_keys(Keys.ENTER)

    # --- The span part ------------------------------------------------------

    def test_span_shows_how_each_date_was_read(self):
        cases = [  # birth, death, switch
            ("11 Feb 1731/32", "14 Dec 1799", NO_SWITCH),        # Washington: a dual year
            ("6 Jan 1705/06", "17 Apr 1790", NO_SWITCH),          # Franklin
            ("11 Feb 1731", "14 Dec 1799", "GB"),                 # Old Style by the switch
            ("2 Sep 1752", "14 Sep 1752", "GB"),                  # the British gap
            ("10 Oct 1582 O.S.", "1 Jan 1600", NO_SWITCH),        # a mark
            ("5/10/1950", "3/1/1990", "GB"),                      # after the switch: no lines
        ]
        Select(self.element("notation")).select_by_value("4")
        for birth, death, code in cases:
            with self.subTest(birth=birth, death=death, switch=code):
                self.choose_switch(code)
                self.calculate(birth, death)
                expected = cli("span", birth, death, *switch_options(code))
                self.assertEqual(expected.returncode, 0, expected.stderr)
                self.assertEqual(self.page_span_output(), expected.stdout.decode())
                days = cli("days", birth, death, *switch_options(code)).stdout.decode().splitlines()[0]
                self.assertEqual(self.element("span-days").get_attribute("value"), days)
                self.assertFalse(self.element("span-error").is_displayed())

    def test_washington_reads_as_in_the_registers(self):
        self.calculate("11 Feb 1731/32", "14 Dec 1799")
        self.assertEqual(self.element("result").get_attribute("value"), "67 Year(s), 9 month(s), 22 day(s)")
        self.assertEqual(self.lines_of("span-calendars")[0],
                         "begin: 11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)")

    def test_switch_counts_the_days_left_out(self):
        self.choose_switch("GB")
        self.calculate("2 Sep 1752", "14 Sep 1752")
        self.assertEqual(self.element("span-days").get_attribute("value"), "1")
        self.choose_switch(NO_SWITCH)
        self.calculate("2 Sep 1752", "14 Sep 1752")
        self.assertEqual(self.element("span-days").get_attribute("value"), "12")
        self.assertEqual(self.lines_of("span-calendars"), [])

    def test_a_day_the_switch_left_out_is_refused(self):
        self.choose_switch("GB")
        self.calculate("1 Jan 1700", "5 Sep 1752")
        expected = cli("span", "1 Jan 1700", "5 Sep 1752", "--switch", "GB")
        self.assertEqual(expected.returncode, USAGE_STATUS)
        problem = self.element("span-error")
        self.assertTrue(problem.is_displayed())
        self.assertIn(cli_problem(expected), problem.text)
        self.assertEqual(self.focused_id(), "death")
        self.assertEqual(self.element("result").get_attribute("value"), "")
        self.assertEqual(self.lines_of("span-calendars"), [])

    def test_register_languages_read_as_the_command_line_reads_them(self):
        cases = [  # birth, death
            ("12. März 1850", "3 Jan 1900"),
            ("le 3 mars 1750", "die vij Junii MDCCL"),
            ("12 maart 1850", "1 stycznia 1900"),
        ]
        for birth, death in cases:
            with self.subTest(birth=birth, death=death):
                self.calculate(birth, death)
                expected = cli("span", birth, death)
                self.assertEqual(expected.returncode, 0, expected.stderr)
                self.assertEqual(self.page_span_output(), expected.stdout.decode())
        self.assertIn("12. März 1850", self.element("span-languages").text)

    # --- The tombstone part -------------------------------------------------

    def test_tombstone_reads_under_the_switch(self):
        self.choose_switch("GB")
        Select(self.element("stone-mode")).select_by_value("born")
        self.type_into("stone-date", "3 Aug 1740")
        self.type_into("stone-age", "79y 9m 29d").send_keys(Keys.ENTER)
        expected = cli("born", "3 Aug 1740", "79y 9m 29d", "--switch", "GB").stdout.decode().splitlines()
        self.assertEqual([self.element("stone-answer").get_attribute("value")]
                         + self.element("stone-calendar").get_attribute("value").splitlines(), expected)
        unswitched = cli("born", "3 Aug 1740", "79y 9m 29d").stdout.decode().splitlines()
        self.assertNotEqual(expected[0], unswitched[0])

    # --- The calendar part --------------------------------------------------

    def test_convert_prints_what_the_command_line_prints(self):
        cases = [  # date, switch
            ("11 Feb 1731/32", NO_SWITCH),
            ("18 Brumaire an VIII", NO_SWITCH),
            ("17 Adar 5492", NO_SWITCH),
            ("May 1850", NO_SWITCH),
            ("2 Sep 1752", "GB"),
            ("2 Sep 1752", NO_SWITCH),
            ("12. März 1850", NO_SWITCH),
            ("the Tuesday before Michaelmas 9 Edward III", NO_SWITCH),
            ("12 Ramadan 1250 AH", NO_SWITCH),
        ]
        for date, code in cases:
            with self.subTest(date=date, switch=code):
                self.choose_switch(code)
                self.convert(date)
                expected = cli("convert", date, *switch_options(code))
                self.assertEqual(expected.returncode, 0, expected.stderr)
                self.assertEqual(self.lines_of("convert-result"), expected.stdout.decode().splitlines())
                self.assertNotIn("problem", self.element("convert-result").get_attribute("class"))
                self.assertEqual(self.focused_id(), "convert-result")

    def test_convert_refusals_are_the_command_lines(self):
        cases = [  # date, switch
            ("30 Feb 1850", NO_SWITCH),
            ("29 Feb 1700 N.S.", NO_SWITCH),
            ("8 Sep 1752", "GB"),
            ("12 Brumble 1850", NO_SWITCH),
        ]
        for date, code in cases:
            with self.subTest(date=date, switch=code):
                self.choose_switch(code)
                self.convert(date)
                expected = cli("convert", date, *switch_options(code))
                self.assertEqual(expected.returncode, USAGE_STATUS)
                result = self.element("convert-result")
                self.assertIn("problem", result.get_attribute("class"))
                self.assertEqual(result.text, cli_problem(expected))
                self.assertEqual(self.focused_id(), "convert-date")

    def test_a_new_switch_clears_the_conversion(self):
        self.convert("2 Sep 1752")
        self.assertNotEqual(self.lines_of("convert-result"), [])
        self.choose_switch("GB")
        self.assertEqual(self.lines_of("convert-result"), [])

    # --- The switch ---------------------------------------------------------

    def test_every_switch_of_the_table_is_offered(self):
        codes = [option.get_attribute("value") for option in Select(self.element("switch")).options]
        self.assertEqual(codes[0], NO_SWITCH)
        self.assertGreaterEqual(len(codes), 10)
        self.assertIn("GB", codes)
        for code in codes[1:]:
            with self.subTest(code=code):
                self.assertEqual(cli("days", "1 Jan 1900", "2 Jan 1900", "--switch", code).returncode, 0)

    def test_switch_is_remembered(self):
        self.choose_switch("FR")
        self.load()
        self.assertEqual(self.chosen_switch(), "FR")
        # Read under the remembered switch at once.
        self.convert("5 Dec 1582")
        self.assertEqual(self.lines_of("convert-result"),
                         cli("convert", "5 Dec 1582", "--switch", "FR").stdout.decode().splitlines())
        self.driver.execute_script("localStorage.clear()")
        self.load()
        self.assertEqual(self.chosen_switch(), NO_SWITCH)


def load_tests(loader, tests, pattern):
    # Only this file's tests, not those of test_page.PageTest again.
    own = [n for n in loader.getTestCaseNames(CalendarTest) if n not in loader.getTestCaseNames(test_page.PageTest)]
    return unittest.TestSuite(CalendarTest(name) for name in own)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
