#!/usr/bin/python3
"""The web page in headless Chromium: each part end to end against the
command line's answers, the batch and report downloads byte for byte, no
request outside the page's origin, no console error, both colour schemes,
a 320 px width and keyboard-only use.

usage: test_page.py SITE_FOLDER CLI [SHOTS_FOLDER]
"""
import base64
import csv
import io
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import zipfile

SKIPPED = 77  # CTest's skip status
try:
    from selenium import webdriver
    from selenium.common.exceptions import StaleElementReferenceException
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    print("skipped: python3-selenium is not installed", file=sys.stderr)
    sys.exit(SKIPPED)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import serve  # noqa: E402 (the page's own server, one folder up)

SITE, CLI = sys.argv[1], sys.argv[2]
SHOTS = sys.argv[3] if len(sys.argv) > 3 else None
if not os.path.exists(os.path.join(SITE, "spanwright.wasm")):
    print(f"skipped: no site in {SITE} (scripts/dev.sh web or test builds it)", file=sys.stderr)
    sys.exit(SKIPPED)
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
FORMS_GED = os.path.join(SOURCE, "tests", "data", "gedcom", "forms.ged")
WAIT_SECONDS = 30
READY_MILLISECONDS = 1000
LEAST_CONTRAST = 4.5
NARROW_WIDTH = 320
PARTS = ["span-part", "stone-part", "calendar-part", "records-part", "batch-part", "tree-part"]
SCHEMES = ["light", "dark"]


def counted(number, singular, plural=None):
    """"1 row", "2 rows", "1,000,000 rows", as the page words a count."""
    return f"{number:,} {singular if number == 1 else plural or singular + 's'}"


def cli(*arguments, input_bytes=None):
    return subprocess.run([CLI, *arguments], input=input_bytes, capture_output=True)


def start_browser(user_data):
    options = webdriver.ChromeOptions()
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--no-first-run",
                 f"--user-data-dir={user_data}", "--window-size=1000,900"]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(options=options)


# The text colour of an element against the first opaque background behind
# it, as the WCAG contrast ratio.
CONTRAST_SCRIPT = """
const parse = (text) => text.match(/[\\d.]+/g).map(Number);
const luminance = ([r, g, b]) => {
    const linear = (c) => { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4; };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
};
const backgroundOf = (element) => {
    for (let e = element; e; e = e.parentElement) {
        const colour = parse(getComputedStyle(e).backgroundColor);
        if (colour.length < 4 || colour[3] > 0.99) return colour.slice(0, 3);
    }
    return [255, 255, 255];
};
const worst = [];
for (const element of document.querySelectorAll(arguments[0])) {
    if (!element.getClientRects().length || !element.textContent.trim()) continue;
    const style = getComputedStyle(element);
    const [a, b] = [luminance(parse(style.color)), luminance(backgroundOf(element))];
    const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05) * Number(style.opacity === "" ? 1 : 1);
    worst.push([ratio, element.tagName + "#" + element.id + " " + element.textContent.trim().slice(0, 30)]);
}
worst.sort((x, y) => x[0] - y[0]);
return worst.slice(0, 3);
"""

TEXT_ELEMENTS = "h1, h2, p, label, button:not(:disabled), output, code, a, th, td, caption, option, strong, span"


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve.make_server(SITE, 0, quiet=True)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.origin = f"http://127.0.0.1:{cls.server.server_address[1]}"
        cls.scratch = tempfile.TemporaryDirectory()
        cls.driver = start_browser(os.path.join(cls.scratch.name, "profile"))
        cls.load()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        cls.scratch.cleanup()

    @classmethod
    def load(cls):
        cls.driver.get(cls.origin + "/")
        WebDriverWait(cls.driver, WAIT_SECONDS).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def type_into(self, element_id, text):
        field = self.element(element_id)
        field.clear()
        field.send_keys(text)
        return field

    def focused_id(self):
        return self.driver.execute_script("return document.activeElement.id")

    def file_path(self, name, content):
        # A folder of its own each time: a file input fires no change for
        # the file it already holds.
        folder = tempfile.mkdtemp(dir=self.scratch.name)
        path = os.path.join(folder, name)
        with open(path, "wb") as file:
            file.write(content)
        return path

    def blob_bytes(self, link_id):
        encoded = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            fetch(document.getElementById(arguments[0]).href).then((r) => r.arrayBuffer()).then((b) => {
                let text = "";
                const bytes = new Uint8Array(b);
                for (let i = 0; i < bytes.length; i += 0x8000)
                    text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
                done(btoa(text));
            });""", link_id)
        return base64.b64decode(encoded)

    def shoot(self, element_id, path, through=None):
        # From the top of one element through the bottom of another.
        box = self.driver.execute_script(
            "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "const e = document.getElementById(arguments[1]).getBoundingClientRect();"
            "return [r.left + scrollX, r.top + scrollY, r.width, e.bottom - r.top]", element_id, through or element_id)
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "captureBeyondViewport": True,
            "clip": {"x": box[0], "y": box[1], "width": box[2], "height": box[3], "scale": 1}})
        with open(path, "wb") as file:
            file.write(base64.b64decode(shot["data"]))

    def wait_for(self, condition):
        # An element the page has drawn again (a sorted header) is looked up
        # anew on the next try.
        WebDriverWait(self.driver, WAIT_SECONDS, ignored_exceptions=[StaleElementReferenceException]).until(
            lambda d: condition())

    # --- Span ---------------------------------------------------------------

    def test_span_answers_as_the_command_line(self):
        cases = [  # birth, death, notation
            ("5/10/1950", "3/1/1990", "4"),
            ("5/10/1950", "3/1/1990", "1"),
            ("May 10, 1950", "3-1-1990", "2"),
            ("1.31.1990", "3.1.1990", "3"),
            ("2/29/1896", "2/28/1904", "4"),
            ("5/10/1950", "5/10/1950", "4"),
        ]
        for birth, death, notation in cases:
            with self.subTest(birth=birth, death=death, notation=notation):
                Select(self.element("notation")).select_by_value(notation)
                self.type_into("birth", birth)
                self.type_into("death", death).send_keys(Keys.ENTER)
                expected = cli("span", birth, death, "--notation", notation).stdout.decode().strip()
                self.assertEqual(self.element("result").get_attribute("value"), expected)
                self.assertEqual(self.focused_id(), "result")
                self.assertFalse(self.element("span-error").is_displayed())

    def test_span_refusals(self):
        cases = [  # birth, death, message start, field focused
            ("5/10/1950", "2/30/1990", "Wrong Date Format!!!", "death"),
            ("13/1/1950", "3/1/1990", "Wrong Date Format!!!", "birth"),
            ("5/10/1950", "", "Wrong Date Format!!!", "death"),
            ("3/1/1990", "5/10/1950", "Error - Death Date Before Birth date", "death"),
        ]
        for birth, death, message, field in cases:
            with self.subTest(birth=birth, death=death):
                self.type_into("death", death)
                self.type_into("birth", birth).send_keys(Keys.ENTER)
                problem = self.element("span-error")
                self.assertTrue(problem.is_displayed())
                self.assertTrue(problem.text.startswith(message), problem.text)
                if message.startswith("Wrong"):
                    self.assertIn("5/17/1990", problem.text)  # the accepted forms
                self.assertEqual(self.focused_id(), field)
                self.assertEqual(self.element("result").get_attribute("value"), "")

    def test_notation_is_remembered(self):
        Select(self.element("notation")).select_by_value("2")
        self.load()
        self.assertEqual(Select(self.element("notation")).first_selected_option.get_attribute("value"), "2")
        self.driver.execute_script("localStorage.clear()")
        self.load()
        self.assertEqual(Select(self.element("notation")).first_selected_option.get_attribute("value"), "4")

    def test_language_is_chosen_and_remembered(self):
        # Croatian listopada is October, Polish and Slovene November: the
        # page's choice reads it as `span --language` does, and is kept.
        for language in ("hr", "pl"):
            with self.subTest(language=language):
                Select(self.element("language")).select_by_value(language)
                self.type_into("birth", "5. listopada 1850")
                self.type_into("death", "1 Jan 1900").send_keys(Keys.ENTER)
                expected = cli("span", "5. listopada 1850", "1 Jan 1900", "--language", language).stdout.decode().strip()
                self.assertEqual(self.element("result").get_attribute("value"), expected)
        self.load()
        self.assertEqual(Select(self.element("language")).first_selected_option.get_attribute("value"), "pl")
        self.driver.execute_script("localStorage.clear()")
        self.load()
        Select(self.element("language")).select_by_value("")
        self.type_into("birth", "5. listopada 1850")
        self.type_into("death", "1 Jan 1900").send_keys(Keys.ENTER)
        self.assertIn("names two months", self.element("span-error").text)

    # --- Tombstone ----------------------------------------------------------

    def test_tombstone_answers_as_born_does(self):
        cases = [  # death, age
            ("August 3, 1904", "aged 79 years, 9 months, 29 days"),
            ("3/1/1990", "1m 1d"),
            ("1/31/1990", "0y 0m 29d"),
            ("3/31/1990", "1 month"),
            ("6/4/1871", "Aged 39"),
            ("June 1871", "about 40"),
        ]
        for death, age in cases:
            with self.subTest(death=death, age=age):
                self.type_into("stone-date", death)
                self.type_into("stone-age", age).send_keys(Keys.ENTER)
                answer = cli("born", death, age)
                if answer.returncode == 0:
                    expected = answer.stdout.decode().strip()
                else:
                    expected = answer.stderr.decode().strip().removeprefix("spanwright-cli: ")
                    self.assertTrue(expected.startswith("no date"))
                self.assertEqual(self.element("stone-answer").get_attribute("value"), expected)

    def test_tombstone_refusals(self):
        for death, age, field in [("2/30/1990", "3y", "stone-date"), ("3/1/1990", "old", "stone-age")]:
            with self.subTest(death=death, age=age):
                self.type_into("stone-date", death)
                self.type_into("stone-age", age).send_keys(Keys.ENTER)
                self.assertIn(death if field == "stone-date" else age,
                              self.element("stone-answer").get_attribute("value"))
                self.assertEqual(self.focused_id(), field)

    # --- Spreadsheet --------------------------------------------------------

    def choose_file(self, input_id, status_id, name, content):
        self.driver.execute_script("document.getElementById(arguments[0]).textContent = ''", status_id)
        self.element(input_id).send_keys(self.file_path(name, content))

    def run_batch(self, name, content, columns, notation="4"):
        self.choose_file("batch-file", "batch-status", name, content)
        self.wait_for(lambda: ", read as " in self.element("batch-status").text)
        for part in ["begin", "end", "age"]:
            Select(self.element(f"batch-{part}")).select_by_value(columns.get(part, ""))
        Select(self.element("batch-notation")).select_by_value(notation)
        self.element("batch-run").click()
        self.wait_for(lambda: " with errors." in self.element("batch-status").text
                      or not self.element("batch-status").text.startswith("Working"))

    def test_batch_download_is_what_the_command_line_writes(self):
        spans = (b"Name,Born,Died\r\n\"Ward, Ann\",5/10/1950,3/1/1990\r\nHale,2/30/1901,3/1/1990\r\n"
                 b"Short,1/1/1900\r\n\r\nLong,1/1/1900,1/1/1901,extra\r\n\"Quote \"\"x\"\"\",,\r\n")
        stones = ("\ufeffName,Died,Age\n\"Ward, Ann\",8/3/1904,79y 9m 29d\nWard Jr.,3/1/1990,1 month 1 day\n"
                  "Hale,2/30/1901,3y\nNone,1/31/1990,1 month\nÅsa,1/1/1900,\"10 years\"\n").encode()
        cases = [  # file name, content, columns (0-based), command line options, notation
            ("people.csv", spans, {"begin": "1", "end": "2"}, ["--begin", "Born", "--end", "Died"], "4"),
            ("people.csv", spans, {"begin": "1", "end": "2"}, ["--begin", "2", "--end", "3", "-n", "1"], "1"),
            ("stones.csv", stones, {"end": "1", "age": "2"}, ["--end", "Died", "--age", "Age"], "4"),
            ("stones.csv", stones, {"begin": "1", "age": "2"}, ["--begin", "Died", "--age", "Age"], "4"),
        ]
        for name, content, columns, options, notation in cases:
            with self.subTest(name=name, options=options):
                self.run_batch(name, content, columns, notation)
                expected = cli("batch", *options, input_bytes=content)
                self.assertEqual(self.blob_bytes("batch-download"), expected.stdout)
                link = self.element("batch-download")
                self.assertEqual(link.get_attribute("download"), name.removesuffix(".csv") + "-spans.csv")
                rows = sum(1 for line in content.splitlines()[1:] if line)
                written = list(csv.reader(io.StringIO(expected.stdout.decode("utf-8-sig"))))[1:]
                errors = sum(1 for row in written if row and row[-1])
                self.assertEqual(self.element("batch-status").text,
                                 f"{name}: {counted(rows, 'row')}, {counted(errors, 'row')} with errors.")

    def test_batch_problems_are_told(self):
        cases = [  # content, columns, the command line's message
            (b"a,b\n1,\"2\n", {"begin": "0", "end": "1"}, "--begin a --end b"),
            (b"", {}, None),
            (b"\n\n", {}, None),
        ]
        for content, columns, options in cases:
            with self.subTest(content=content):
                if not columns:
                    self.choose_file("batch-file", "batch-status", "bad.csv", content)
                    self.wait_for(lambda: self.element("batch-status").text == "bad.csv has no header row.")
                    self.assertFalse(self.element("batch-run").is_enabled())
                    continue
                self.run_batch("bad.csv", content, columns)
                message = cli("batch", *options.split(), input_bytes=content).stderr.decode().strip()
                # The command line names its input "standard input".
                self.assertEqual(self.element("batch-status").text,
                                 message.removeprefix("spanwright-cli: ").replace("standard input", "bad.csv"))
                self.assertFalse(self.element("batch-download").is_displayed())

    # --- Family tree --------------------------------------------------------

    def test_tree_report_and_download(self):
        with open(FORMS_GED, "rb") as file:
            tree = file.read()
        archive = io.BytesIO()
        with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as gdz:
            gdz.writestr("gedcom.ged", tree)
        expected = cli("gedcom", FORMS_GED).stdout
        expected_rows = expected.decode().splitlines()[1:]
        errors = sum(1 for row in expected_rows if not row.endswith(","))
        for name, content in [("forms.ged", tree), ("forms.gdz", archive.getvalue())]:
            with self.subTest(name=name):
                self.choose_file("tree-file", "tree-status", name, content)
                self.wait_for(lambda: self.element("tree-status").text.startswith(f"{name}: "))
                self.assertEqual(self.blob_bytes("tree-download"), expected)
                # Every row, as printing puts them in the table (on screen only
                # those in view are there).
                cells = self.driver.execute_script("""
                    dispatchEvent(new Event('beforeprint'));
                    const cells = [...document.querySelectorAll('#tree-report tbody tr')].map(
                        (row) => [...row.cells].map((cell) => cell.textContent));
                    dispatchEvent(new Event('afterprint'));
                    return cells;""")
                self.assertEqual(cells, list(csv.reader(io.StringIO(expected.decode())))[1:])
                self.assertTrue(self.element("tree-status").text.startswith(
                    f"{name}: {len(expected_rows)} people, {counted(errors, 'row')} with errors"))
                # The errors are findable, and the table sorts.
                # (Both sorted in the page's worker: the table changes a moment later.)
                self.element("tree-errors-only").click()
                self.wait_for(lambda: self.element("tree-report").get_attribute("data-shown") == str(errors))
                shown = self.element("tree-report").find_elements(By.CSS_SELECTOR, "tbody tr")
                self.assertEqual(len(shown), errors)
                self.element("tree-errors-only").click()
                self.wait_for(lambda: self.element("tree-report").get_attribute("data-shown") == str(len(expected_rows)))
                for order in ["ascending", "descending"]:
                    self.element("tree-report").find_element(By.CSS_SELECTOR, "th:nth-child(1) button").click()
                    self.wait_for(lambda: self.element("tree-report").find_element(
                        By.CSS_SELECTOR, "thead th:nth-child(1)").get_attribute("aria-sort") == order)
                    ids = [cell.text for cell in self.element("tree-report").find_elements(
                        By.CSS_SELECTOR, "tbody td:nth-child(1)")]
                    numbers = [int("".join(c for c in i if c.isdigit()) or 0) for i in ids]
                    self.assertEqual(numbers, sorted(numbers, reverse=order == "descending"))

    def test_tree_estimates_and_census_checklist(self):
        # A life across English and US censuses, one of them recorded, and a
        # daughter known only by her christening.
        family = "\n".join([
            "0 HEAD", "1 GEDC", "2 VERS 5.5.1", "1 CHAR UTF-8",
            "0 @I1@ INDI", "1 NAME John /Smith/", "1 BIRT", "2 DATE 12 MAR 1840", "2 PLAC Leeds, Yorkshire, England",
            "1 CENS", "2 DATE 30 MAR 1851", "2 PLAC Leeds, Yorkshire, England",
            "1 RESI", "2 DATE 1866", "2 PLAC Boston, Massachusetts",
            "1 DEAT", "2 DATE 1 JUN 1880", "2 PLAC Boston, Massachusetts", "1 FAMS @F1@",
            "0 @I2@ INDI", "1 NAME Mary /Smith/", "1 SEX F", "1 FAMC @F1@",
            "1 CHR", "2 DATE 1865", "2 PLAC Leeds, Yorkshire, England",
            "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "0 TRLR", ""]).encode()
        path = self.file_path("family.ged", family)
        with open(FORMS_GED, "rb") as file:
            forms = file.read()
        for name, content, source in [("family.ged", family, path), ("forms.ged", forms, FORMS_GED)]:
            with self.subTest(name=name):
                self.choose_file("tree-file", "tree-status", name, content)
                self.wait_for(lambda: self.element("tree-status").text.startswith(f"{name}: "))
                estimates = cli("estimate", source).stdout
                census = cli("census", source).stdout
                self.assertEqual(self.blob_bytes("tree-estimates-csv"), estimates)
                self.assertEqual(self.blob_bytes("tree-census-csv"), census)
                rows = list(csv.reader(io.StringIO(census.decode())))[1:]
                people_count = len(dict.fromkeys(row[0] for row in rows))
                self.wait_for(lambda: self.element("tree-census").get_attribute("data-listed") == str(people_count))
                # The estimates' table holds the command's rows (all of them
                # as printing lays them out).
                cells = self.driver.execute_script("""
                    dispatchEvent(new Event('beforeprint'));
                    const cells = [...document.querySelectorAll('#tree-estimates-table tbody tr')].map(
                        (row) => [...row.cells].map((cell) => cell.textContent));
                    dispatchEvent(new Event('afterprint'));
                    return cells;""")
                self.assertEqual(cells, list(csv.reader(io.StringIO(estimates.decode())))[1:])
                # A table a person, its censuses the command's rows, those
                # the tree has not found for someone certainly alive marked.
                people = self.element("tree-census-people").find_elements(By.TAG_NAME, "details")
                self.assertEqual([p.get_attribute("data-id") for p in people],
                                 list(dict.fromkeys(row[0] for row in rows)))
                for person in people:
                    person.find_element(By.TAG_NAME, "summary").click()
                    own = [row[2:] for row in rows if row[0] == person.get_attribute("data-id")]
                    # The table is drawn on the details' toggle event, which
                    # comes after the click.
                    self.wait_for(lambda: len(person.find_elements(By.CSS_SELECTOR, "tbody tr")) == len(own))
                    shown = [[cell.text for cell in line.find_elements(By.TAG_NAME, "td")]
                             for line in person.find_elements(By.CSS_SELECTOR, "tbody tr")]
                    self.assertEqual(shown, [row + ["missing" if row[2:4] == ["certain", "no"] else ""]
                                             for row in own])
                if name == "family.ged":
                    john = [row[2:6] for row in rows if row[0] == "I1"]
                    self.assertIn(["England 1851", "3/30/1851", "certain", "yes"], john)
                    self.assertIn(["US 1870", "6/1/1870", "certain", "no"], john)
                    self.assertIn("missing", self.element("tree-census-people").text)

    def test_tree_and_refuses_what_is_not_gedcom(self):
        self.choose_file("tree-file", "tree-status", "notes.ged", b"hello\n")
        self.wait_for(lambda: "GEDCOM" in self.element("tree-status").text)
        self.assertFalse(self.element("tree-download").is_displayed())

    # --- The page as a whole ------------------------------------------------

    def test_zz_nothing_outside_the_origin_and_no_console_error(self):
        # Last (zz): every part has been used by then.
        import json
        urls = [json.loads(entry["message"])["message"]["params"]["request"]["url"]
                for entry in self.driver.get_log("performance")
                if '"Network.requestWillBeSent"' in entry["message"]]
        urls += self.driver.execute_script(
            "return performance.getEntriesByType('resource').map((e) => e.name)")
        self.assertTrue(urls)
        # The browser's own pages (chrome://) are no requests of the page.
        outside = [url for url in urls
                   if not url.startswith((self.origin + "/", "blob:", "data:", "chrome:", "about:"))]
        self.assertEqual(outside, [])
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def test_ready_in_under_a_second(self):
        self.load()
        ready = self.driver.execute_script(
            "return Number(document.documentElement.dataset.readyAt)")
        self.assertLess(ready, READY_MILLISECONDS)

    def test_zy_both_schemes_readable(self):
        # Late (zy), with every part filled in, for the screenshots; the span
        # and the tombstone with an answer each.
        self.type_into("birth", "5/10/1950")
        self.type_into("death", "3/1/1990").send_keys(Keys.ENTER)
        Select(self.element("stone-mode")).select_by_value("born")
        self.type_into("stone-date", "August 3, 1904")
        self.type_into("stone-age", "aged 79 years, 9 months, 29 days").send_keys(Keys.ENTER)
        backgrounds = {}
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                    "features": [{"name": "prefers-color-scheme", "value": scheme}]})
                backgrounds[scheme] = self.driver.execute_script(
                    "return getComputedStyle(document.body).backgroundColor")
                worst = self.driver.execute_script(CONTRAST_SCRIPT, TEXT_ELEMENTS)
                self.assertGreaterEqual(worst[0][0], LEAST_CONTRAST, worst)
                if SHOTS:
                    os.makedirs(SHOTS, exist_ok=True)
                    for part in PARTS:
                        self.shoot(part, os.path.join(SHOTS, f"{part}-{scheme}.png"))
                    self.shoot("span-part", os.path.join(SHOTS, f"page-{scheme}.png"), through="stone-part")
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        self.assertNotEqual(backgrounds["light"], backgrounds["dark"])

    def test_narrow_screen_has_no_sideways_scroll(self):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": NARROW_WIDTH, "height": 800, "deviceScaleFactor": 1, "mobile": True})
        try:
            self.load()
            overflow = self.driver.execute_script(
                "return document.documentElement.scrollWidth - document.documentElement.clientWidth")
            self.assertLessEqual(overflow, 0)
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_keyboard_alone(self):
        self.load()  # Tab starts from the top of the page
        reached = []
        for _ in range(40):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            focused = self.driver.switch_to.active_element
            element_id = focused.get_attribute("id")
            if element_id in reached or focused.tag_name == "body":
                break
            reached.append(element_id)
            outline = self.driver.execute_script(
                "const s = getComputedStyle(arguments[0]); return [s.outlineStyle, parseFloat(s.outlineWidth)]",
                focused)
            self.assertNotEqual(outline[0], "none", element_id)
            self.assertGreater(outline[1], 0, element_id)
        for control in ["date-order", "switch", "birth", "death", "notation", "calculate", "stone-mode", "stone-date",
                        "stone-age", "convert-date", "convert", "batch-file", "batch-begin", "batch-end", "batch-age", "tree-file"]:
            self.assertIn(control, reached)
        # A span by keyboard alone: type, Tab, type, Enter.
        self.driver.execute_script("document.getElementById('birth').focus()")
        ActionChains(self.driver).send_keys("5/10/1950", Keys.TAB, "3/1/1990", Keys.ENTER).perform()
        self.assertEqual(self.element("result").get_attribute("value"), "39 Year(s), 9 month(s), 19 day(s)")

    def test_every_control_has_a_label(self):
        unlabelled = self.driver.execute_script("""
            return [...document.querySelectorAll('input, select, output, button')]
                .filter((e) => !(e.labels && e.labels.length) && !e.getAttribute('aria-label')
                               && !(e.getAttribute('aria-labelledby') || '').split(' ').some((id) =>
                                   document.getElementById(id)?.textContent.trim())
                               && !(e.tagName === 'BUTTON' && e.textContent.trim()))
                .map((e) => e.id);""")
        self.assertEqual(unlabelled, [])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
