#!/usr/bin/python3
"""The page's part "Birth from records" in headless Chromium: the answer is
the text `spanwright-cli narrow` prints and the picture the one `narrow
--svg` writes, for records that agree and for records that conflict, read
in the page's date order and under its switch as `narrow --date-order
--switch` reads them, a record of another calendar saying how it was read;
a record that is not read is named; no console error.

usage: test_records.py SITE_FOLDER CLI
"""
import os
import subprocess
import sys
import tempfile
import threading
import unittest

SKIPPED = 77  # CTest's skip status
try:
    from selenium import webdriver
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    print("skipped: python3-selenium is not installed", file=sys.stderr)
    sys.exit(SKIPPED)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import serve  # noqa: E402 (the page's own server, one folder up)

SITE, CLI = sys.argv[1], sys.argv[2]
if not os.path.exists(os.path.join(SITE, "spanwright.wasm")):
    print(f"skipped: no site in {SITE} (scripts/dev.sh web or test builds it)", file=sys.stderr)
    sys.exit(SKIPPED)
WAIT_SECONDS = 30

AGREEING = ["England 1851 census: 34", "England 1861 census: 44", "5/2/1838: of full age",
            "2/14/1896: in her 80th year"]
# Read otherwise under a switch or day first: a Julian-era register entry, a
# dual year, a numeric date of either order and a census.
OLD_STYLE = ["10 Feb 1720: 30", "11 Feb 1731/32: 41", "3/4/1751: 61", "US 1790 census: 70"]
CONFLICTING = ["England 1841 census: 20", "England 1851 census: 34", "England 1861 census: 44",
               "5/2/1838: of full age", "England 1881 census: 50", "2/14/1896: in her 80th year"]


def narrow(records, *options):
    return subprocess.run([CLI, "narrow", *records, *options], capture_output=True, text=True)


class RecordsPartTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve.make_server(SITE, 0, quiet=True)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.scratch = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     f"--user-data-dir={cls.scratch.name}/profile", "--window-size=1000,900"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(options=options)
        cls.driver.get(f"http://127.0.0.1:{cls.server.server_address[1]}/")
        WebDriverWait(cls.driver, WAIT_SECONDS).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        cls.scratch.cleanup()

    def setUp(self):
        self.choose("date-order", "mdy")
        self.choose("switch", "")

    def choose(self, select, value):
        Select(self.driver.find_element(By.ID, select)).select_by_value(value)

    def ask(self, lines):
        box = self.driver.find_element(By.ID, "records")
        box.clear()
        box.send_keys("\n".join(lines))
        self.driver.find_element(By.ID, "narrow").click()
        answer = self.driver.find_element(By.ID, "records-answer")
        return self.driver.execute_script("return arguments[0].value", answer)

    def chart(self):
        return self.driver.execute_script(
            "const svg = document.querySelector('#records-chart > svg');"
            "return svg ? new XMLSerializer().serializeToString(svg) : null")

    def cli_svg(self, records, *options):
        # --svg puts a new file in the name's place, as -o does: read by name.
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "narrow.svg")
            narrow(records, "--svg", path, *options)
            with open(path, encoding="utf-8") as picture:
                return picture.read()

    def check_against_cli(self, records, status, *options):
        command = narrow(records, *options)
        self.assertEqual(command.returncode, status)
        self.assertEqual(self.ask(records), command.stdout)
        # The same picture: the same bars, the same labels, the same shading.
        page, written = self.chart(), self.cli_svg(records, *options)
        self.assertIsNotNone(page)
        for mark in ['class="bar"', 'class="bar apart"', 'class="overlap"', 'class="tick"', "</text>"]:
            self.assertEqual(page.count(mark), written.count(mark), mark)

    def test_agreeing_records(self):
        self.check_against_cli(AGREEING, 0)
        self.assertIn('class="bar"', self.chart())

    def test_conflicting_records_leave_one_out(self):
        self.check_against_cli(CONFLICTING, 1)
        self.assertEqual(self.chart().count('class="bar apart"'), 1)
        self.assertTrue(self.ask(CONFLICTING).startswith("no birth date fits every record\n"))

    def test_records_read_in_the_date_order_and_under_the_switch(self):
        answers = set()
        for order in ["mdy", "dmy"]:
            for code in ["", "GB"]:
                with self.subTest(order=order, switch=code):
                    self.choose("date-order", order)
                    self.choose("switch", code)
                    options = ["--date-order", order] + (["--switch", code] if code else [])
                    self.check_against_cli(OLD_STYLE, 1, *options)
                    answer = self.ask(OLD_STYLE)
                    answers.add(answer)
                    # How the dual year was read, on its record's line.
                    self.assertIn("; date: 11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)", answer)
                    self.assertEqual("; date: 10 Feb 1720 (Julian)" in answer, code == "GB")
        self.assertEqual(len(answers), 4)  # each choice reads the records otherwise

    def test_census_refused_under_a_later_switch(self):
        self.choose("switch", "RU")
        text = self.ask(["US 1880 census: 30"])
        self.assertIn("taken on 1 Jun 1880 in the Gregorian calendar", text)
        self.assertIn("“Julian to Gregorian switch”", text)
        self.assertNotIn("--switch", text)
        self.assertIsNone(self.chart())

    def test_record_not_read_is_named(self):
        text = self.ask(["US 1895 census: 30", "6/1/1880: 34"])
        self.assertIn('record 1 ("US 1895 census: 30")', text)
        self.assertIn("is not known", text)
        self.assertIsNone(self.chart())

    def test_no_console_error(self):
        self.ask(CONFLICTING)
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
