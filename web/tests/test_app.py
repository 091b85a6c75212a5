#!/usr/bin/python3
"""The page as an app, in headless Chromium: the manifest and the service
worker; every part used with the server stopped; runs cancelled by the
user and by another file; Windows spreadsheets; the page's own controls and
wording; the report sorted by time, printed, and its findings; no
accessibility violation (axe-core) in either scheme at 1280 and 360 px.

usage: test_app.py SITE_FOLDER CLI [SHOTS_FOLDER]
"""
import csv
import io
import json
import os
import struct
import subprocess
import sys
import tempfile
import threading
import unittest

SKIPPED = 77  # CTest's skip status
try:
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select
except ImportError:
    print("skipped: python3-selenium is not installed", file=sys.stderr)
    sys.exit(SKIPPED)

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
import serve  # noqa: E402 (the page's own server, one folder up)
import test_page  # noqa: E402 (its browser, helpers and command line)
from test_page import CLI, SITE, cli, counted  # noqa: E402

AXE = os.path.join(HERE, "axe", "node_modules", "axe-core", "axe.min.js")
ICON_SIZES = {192, 512}
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# Rows of a spreadsheet that takes the page some seconds, long enough to be
# cancelled mid-run.
LONG_RUN_ROWS = 1_500_000
LONGEST_BLOCK_MILLISECONDS = 100
TREE_PEOPLE = 3000
WIDTHS = [1280, 360]


def span_rows(rows, seed=0):
    lines = ["Name,Born,Died"]
    for i in range(rows):
        year = 1800 + (i * 7 + seed) % 150
        lines.append(f"P{i},{1 + i % 12}/{1 + i % 28}/{year},{1 + (i * 5) % 12}/{1 + (i * 3) % 28}/{year + 40}")
    return ("\r\n".join(lines) + "\r\n").encode()


def generated_tree(people):
    """A GEDCOM tree of families, each a father, a mother (some of them
    young) and two children, with dates of every kind."""
    lines = ["0 HEAD", "1 CHAR UTF-8", "1 GEDC", "2 VERS 5.5.1"]
    births = ["MAR 1340", "MAY 1484", "ABT 1400", "BET 1300 AND 1500", "BEF 1350", "12 JAN 1820", "1820",
              "(in the war)", ""]
    for i in range(people):
        lines += [f"0 @I{i}@ INDI", f"1 NAME Person{i} /Family{i // 4}/"]
        birth = births[i % len(births)]
        if birth:
            lines += ["1 BIRT", f"2 DATE {birth}"]
        if i % 3 == 0:
            lines += ["1 DEAT", f"2 DATE {1 + i % 28} JUN 1890"]
    for family in range(people // 4):
        father, mother, first, second = (family * 4 + k for k in range(4))
        lines += [f"0 @F{family}@ FAM", f"1 HUSB @I{father}@", f"1 WIFE @I{mother}@",
                  f"1 CHIL @I{first}@", f"1 CHIL @I{second}@"]
    lines.append("0 TRLR")
    return ("\n".join(lines) + "\n").encode()


def png_size(data):
    assert data.startswith(PNG_SIGNATURE)
    return struct.unpack(">II", data[16:24])


class AppTest(test_page.PageTest):
    """Runs on the page's browser and server (test_page.PageTest), none of
    its tests again."""

    # --- Helpers ------------------------------------------------------------

    def status(self, element_id):
        return self.element(element_id).text

    def run_file(self, name, content, begin="1", end="2", wait=True):
        self.choose_file("batch-file", "batch-status", name, content)
        self.wait_for(lambda: ", read as " in self.status("batch-status"))
        Select(self.element("batch-begin")).select_by_value(begin)
        Select(self.element("batch-end")).select_by_value(end)
        self.element("batch-run").click()
        if wait:
            self.wait_for(lambda: not self.status("batch-status").startswith("Working"))

    def load_tree(self, name, content):
        self.choose_file("tree-file", "tree-status", name, content)
        self.wait_for(lambda: self.status("tree-status").startswith(f"{name}: "))

    def column_texts(self, column):
        return self.driver.execute_script("""
            dispatchEvent(new Event('beforeprint'));
            const texts = [...document.querySelectorAll('#tree-report tbody tr')].map(
                (row) => row.cells[arguments[0]].textContent);
            dispatchEvent(new Event('afterprint'));
            return texts;""", column)

    def heading_sort(self, column):
        return self.driver.execute_script(
            "return document.querySelector(`#tree-report thead th:nth-child(${arguments[0]})`).ariaSort", column + 1)

    def sort_by(self, column, order):
        while (before := self.heading_sort(column)) != order:
            self.driver.execute_script(
                "document.querySelector(`#tree-report thead th:nth-child(${arguments[0]}) button`).click()", column + 1)
            self.wait_for(lambda: self.heading_sort(column) != before)

    # --- Installable and offline --------------------------------------------

    def test_manifest_is_valid_and_its_icons_exist(self):
        link = self.driver.execute_script("return document.querySelector('link[rel=manifest]').href")
        with serve_fetch(link) as (kind, body):
            self.assertEqual(kind, "application/manifest+json")
            manifest = json.loads(body)
        self.assertEqual(manifest["display"], "standalone")
        self.assertTrue(manifest["name"] and manifest["short_name"])
        self.assertRegex(manifest["theme_color"], r"^#[0-9a-f]{6}$")
        self.assertRegex(manifest["background_color"], r"^#[0-9a-f]{6}$")
        sizes = set()
        for icon in manifest["icons"]:
            with serve_fetch(self.origin + "/" + icon["src"]) as (kind, body):
                self.assertEqual(kind, icon["type"])
                if kind == "image/png":
                    width, height = png_size(body)
                    self.assertEqual(icon["sizes"], f"{width}x{height}")
                    sizes.add(width)
        self.assertTrue(ICON_SIZES <= sizes)
        # A colour for each scheme, as the browser's bar takes it.
        themes = self.driver.execute_script(
            "return [...document.querySelectorAll('meta[name=theme-color]')].map((m) => m.media)")
        self.assertEqual(sorted(themes), ["(prefers-color-scheme: dark)", "(prefers-color-scheme: light)"])

    def test_service_worker_caches_every_file_of_the_site(self):
        self.load()
        self.wait_for(lambda: self.driver.execute_script("return document.documentElement.dataset.offline") == "ready")
        cached = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            (async () => {
                const names = await caches.keys();
                const cache = await caches.open(names.find((n) => n.startsWith('spanwright-')));
                done([names, (await cache.keys()).map((r) => new URL(r.url).pathname)]);
            })();""")
        names, paths = cached
        self.assertEqual(len([n for n in names if n.startswith("spanwright-")]), 1)
        site = {"/" + os.path.relpath(os.path.join(root, name), SITE).replace(os.sep, "/")
                for root, _, files in os.walk(SITE) for name in files}
        site.discard("/service-worker.js")
        self.assertEqual(set(paths), site | {"/"})
        # The cache is named by the site's contents.
        with open(os.path.join(SITE, "service-worker.js"), encoding="utf-8") as file:
            self.assertIn(f'"{names[0].removeprefix("spanwright-")}"', file.read())

    # --- Runs under the user's control --------------------------------------

    def test_cancel_stops_a_run(self):
        self.run_file("long.csv", span_rows(LONG_RUN_ROWS), wait=False)
        self.wait_for(lambda: 0 < self.driver.execute_script(
            "return document.getElementById('batch-progress').value") < 1)
        self.assertTrue(self.element("batch-cancel").is_enabled())
        self.element("batch-cancel").click()
        self.assertEqual(self.status("batch-status"), "The run of long.csv was cancelled: nothing was written.")
        self.assertFalse(self.element("batch-download").is_displayed())
        self.assertFalse(self.element("batch-cancel").is_enabled())
        self.assertTrue(self.element("batch-run").is_enabled())
        # Nothing of the stopped run turns up later.
        self.driver.execute_script("return new Promise((done) => setTimeout(done, 1500))")
        self.assertFalse(self.element("batch-download").is_displayed())
        # And the next run works.
        small = span_rows(3)
        self.run_file("small.csv", small)
        self.assertEqual(self.blob_bytes("batch-download"), cli("batch", "-b", "Born", "-e", "Died",
                                                                 input_bytes=small).stdout)

    def test_another_file_during_a_run_cancels_it(self):
        self.run_file("first.csv", span_rows(LONG_RUN_ROWS), wait=False)
        self.wait_for(lambda: self.status("batch-status").startswith("Working on first.csv"))
        second = b"Who,Start,Stop\nAnn,5/10/1950,3/1/1990\n"
        self.choose_file("batch-file", "batch-status", "second.csv", second)
        self.wait_for(lambda: ", read as " in self.status("batch-status"))
        self.assertEqual(self.status("batch-status"), "second.csv: 3 columns, read as UTF-8.")
        self.assertFalse(self.element("batch-download").is_displayed())
        Select(self.element("batch-begin")).select_by_value("1")
        Select(self.element("batch-end")).select_by_value("2")
        self.element("batch-run").click()
        self.wait_for(lambda: self.element("batch-download").is_displayed())
        link = self.element("batch-download")
        self.assertEqual(link.get_attribute("download"), "second-spans.csv")
        self.assertEqual(self.blob_bytes("batch-download"),
                         cli("batch", "-b", "Start", "-e", "Stop", input_bytes=second).stdout)
        self.assertEqual(self.status("batch-status"), "second.csv: 1 row, 0 rows with errors.")

    def test_a_file_changed_on_disk_during_a_run_is_not_read_on(self):
        path = self.file_path("changing.csv", span_rows(LONG_RUN_ROWS))
        self.driver.execute_script("document.getElementById('batch-status').textContent = ''")
        self.element("batch-file").send_keys(path)
        self.wait_for(lambda: ", read as " in self.status("batch-status"))
        Select(self.element("batch-begin")).select_by_value("1")
        Select(self.element("batch-end")).select_by_value("2")
        self.element("batch-run").click()
        self.wait_for(lambda: 0 < self.driver.execute_script(
            "return document.getElementById('batch-progress').value") < 1)
        with open(path, "wb") as file:  # saved again by the spreadsheet program
            file.write(span_rows(10, seed=1))
        self.wait_for(lambda: not self.status("batch-status").startswith("Working"))
        self.assertEqual(self.status("batch-status"),
                         "changing.csv cannot be read any more (changed or removed since it was chosen): "
                         "choose it again.")
        self.assertFalse(self.element("batch-download").is_displayed())

    def test_a_changed_choice_during_a_run_cancels_it(self):
        self.run_file("choices.csv", span_rows(LONG_RUN_ROWS), wait=False)
        self.wait_for(lambda: self.status("batch-status").startswith("Working on choices.csv"))
        Select(self.element("batch-order")).select_by_value("dmy")
        self.assertEqual(self.status("batch-status"),
                         "The run of choices.csv was cancelled, a choice was changed: nothing was written.")
        self.assertFalse(self.element("batch-download").is_displayed())
        Select(self.element("batch-order")).select_by_value("mdy")

    # --- Spreadsheets as Windows writes them --------------------------------

    def test_windows_spreadsheets_read_as_the_command_line_reads_them(self):
        text = "Nom,Né,Décès\r\nRené Lefèvre,5/10/1950,3/1/1990\r\nZoë,2/30/1901,3/1/1990\r\n"
        cases = [  # name, bytes, delimiter, encoding named, the same text as UTF-8
            ("ansi.csv", text.encode("cp1252"), ",", "Windows-1252", text.encode()),
            ("unicode.txt", b"\xff\xfe" + text.replace(",", "\t").encode("utf-16-le"), "tab", "UTF-16LE",
             "\ufeff".encode() + text.replace(",", "\t").encode()),
            ("big.csv", text.encode("utf-16-be"), ",", "UTF-16BE", text.encode()),
            ("bom.csv", "\ufeff".encode() + text.encode(), ",", "UTF-8", "\ufeff".encode() + text.encode()),
        ]
        for name, content, delimiter, encoding, as_utf8 in cases:
            with self.subTest(name=name):
                Select(self.element("batch-delimiter")).select_by_value(delimiter)
                self.choose_file("batch-file", "batch-status", name, content)
                self.wait_for(lambda: ", read as " in self.status("batch-status"))
                self.assertEqual(self.status("batch-status"), f"{name}: 3 columns, read as {encoding}.")
                names = [option.text for option in Select(self.element("batch-end")).options]
                self.assertEqual(names, ["(none)", "1: Nom", "2: Né", "3: Décès"])
                Select(self.element("batch-begin")).select_by_value("1")
                Select(self.element("batch-end")).select_by_value("2")
                self.element("batch-run").click()
                self.wait_for(lambda: self.element("batch-download").is_displayed()
                              or "with errors" in self.status("batch-status"))
                options = ["-b", "Né", "-e", "Décès", "-d", "\t" if delimiter == "tab" else delimiter]
                page = self.blob_bytes("batch-download")
                # The command line given the file's own bytes (and named by
                # position, as those bytes do not hold the names in UTF-8),
                # and given the same text in UTF-8.
                positions = ["-b", "2", "-e", "3", "-d", options[-1]]
                self.assertEqual(page, cli("batch", *positions, input_bytes=content).stdout)
                self.assertEqual(page, cli("batch", *options, input_bytes=as_utf8).stdout)
                self.assertEqual(self.status("batch-status"), f"{name}: 2 rows, 1 row with errors.")
        Select(self.element("batch-delimiter")).select_by_value(",")

    def test_a_column_named_like_a_position_is_run_by_its_place(self):
        content = b"3,Born,Died\nx,5/10/1950,3/1/1990\n"
        self.run_file("numbers.csv", content, begin="1", end="2")
        self.assertEqual(self.blob_bytes("batch-download"),
                         cli("batch", "-b", "Born", "-e", "Died", input_bytes=content).stdout)

    # --- The command line's choices as controls -----------------------------

    def test_date_order_and_days_as_the_command_line_gives_them(self):
        cases = [  # order, birth, death
            ("dmy", "13/5/1950", "1/3/1990"),
            ("ymd", "1950/5/13", "1990/3/1"),
            ("mdy", "May 1950", "3/1/1990"),
            ("mdy", "about 1850", "1900"),
        ]
        for order, birth, death in cases:
            with self.subTest(order=order, birth=birth):
                Select(self.element("date-order")).select_by_value(order)
                Select(self.element("notation")).select_by_value("4")
                self.type_into("birth", birth)
                self.type_into("death", death).send_keys(Keys.ENTER)
                self.assertEqual(self.element("result").get_attribute("value"),
                                 cli("span", birth, death, "--date-order", order).stdout.decode().strip())
                self.assertEqual(self.element("span-days").get_attribute("value"),
                                 cli("days", birth, death, "--date-order", order).stdout.decode().strip())
        # Remembered, as the notation is.
        self.load()
        self.assertEqual(Select(self.element("date-order")).first_selected_option.get_attribute("value"), "mdy")
        Select(self.element("date-order")).select_by_value("dmy")
        self.load()
        self.assertEqual(Select(self.element("date-order")).first_selected_option.get_attribute("value"), "dmy")
        Select(self.element("date-order")).select_by_value("mdy")

    def test_refusals_name_the_pages_controls(self):
        Select(self.element("date-order")).select_by_value("mdy")
        self.type_into("birth", "13/5/1950")
        self.type_into("death", "3/1/1990").send_keys(Keys.ENTER)
        text = self.element("span-error").text
        self.assertIn("choose “day first (17/5/1990)” in “Typed dates read”", text)
        self.assertNotIn("--", text)
        # The forms are a sentence of their own, on a line of their own.
        lines = text.splitlines()
        self.assertTrue(lines[-1].startswith("Accepted date forms"), lines)
        self.choose_file("tree-file", "tree-status", "notes.ged", b"hello\n")
        self.wait_for(lambda: "GEDCOM" in self.status("tree-status"))
        self.assertNotIn("spanwright-cli", self.status("tree-status"))
        content = b"Name,Born,Died\nAnn,13/5/1950,13/5/1990\nBob,14/6/1950,1/7/1990\n"
        self.run_file("dmy.csv", content)
        self.assertIn("choose “day first (17/5/1990)” in Date order", self.status("batch-status"))
        self.assertNotIn("--", self.status("batch-status"))

    def test_tombstone_both_ways_and_exact(self):
        cases = [  # way, date, age, exact
            ("born", "6/4/1871", "Aged 39", False),
            ("born", "6/4/1871", "Aged 39", True),
            ("died", "10/5/1824", "79y 9m 29d", False),
            ("died", "5/10/1950", "39 years", True),
            ("died", "1/31/1990", "1 month", False),
        ]
        for way, date, age, exact in cases:
            with self.subTest(way=way, date=date, age=age, exact=exact):
                Select(self.element("stone-mode")).select_by_value(way)
                if self.element("stone-exact").is_selected() != exact:
                    self.element("stone-exact").click()
                self.type_into("stone-date", date)
                self.type_into("stone-age", age).send_keys(Keys.ENTER)
                answer = cli(way, date, age, *(["--exact"] if exact else []))
                output = self.element("stone-answer")
                if answer.returncode == 0:
                    self.assertEqual(output.get_attribute("value"), answer.stdout.decode().strip())
                    self.assertNotIn("notice", output.get_attribute("class"))
                else:
                    # No date gives the age: a notice, not an answer.
                    self.assertEqual(output.get_attribute("value"),
                                     answer.stderr.decode().strip().removeprefix("spanwright-cli: "))
                    self.assertIn("notice", output.get_attribute("class"))
        self.assertEqual(self.element("stone-find").text, "Find death dates")
        Select(self.element("stone-mode")).select_by_value("born")
        self.assertEqual(self.element("stone-date-label").text, "Death date")
        if self.element("stone-exact").is_selected():
            self.element("stone-exact").click()

    def test_copy_says_copied_and_waits_for_a_result(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.load()
        self.assertFalse(self.element("copy-result").is_enabled())
        self.assertFalse(self.element("copy-stone").is_enabled())
        self.type_into("birth", "5/10/1950")
        self.type_into("death", "3/1/1990").send_keys(Keys.ENTER)
        self.element("copy-result").click()
        self.wait_for(lambda: self.element("copy-result-done").text == "Copied")
        copied = self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[arguments.length - 1])")
        self.assertEqual(copied, self.element("result").get_attribute("value"))
        self.type_into("stone-date", "August 3, 1904")
        self.type_into("stone-age", "79y 9m 29d").send_keys(Keys.ENTER)
        self.element("copy-stone").click()
        self.wait_for(lambda: self.element("copy-stone-done").text == "Copied")

    # --- The report ---------------------------------------------------------

    def test_report_sorts_dates_and_ages_by_time(self):
        tree = generated_tree(36)
        self.load_tree("sorting.ged", tree)
        rows = list(csv.reader(io.StringIO(cli_file("gedcom", "sorting.ged", tree).decode())))
        names = rows[0]
        birth = names.index("birth")
        # By the earliest day, then the latest; what is no date last.
        expected = ["BET 1300 AND 1500", "MAR 1340", "BEF 1350", "ABT 1400", "MAY 1484", "1820", "12 JAN 1820"]
        self.sort_by(birth, "ascending")
        texts = self.column_texts(birth)
        readable = [t for t in texts if t in expected]
        self.assertEqual(list(dict.fromkeys(readable)), ["BEF 1350", "BET 1300 AND 1500", "MAR 1340", "ABT 1400",
                                                         "MAY 1484", "1820", "12 JAN 1820"])
        self.assertEqual(texts[len(readable):], [t for t in texts if t not in expected])
        self.sort_by(birth, "descending")
        texts = self.column_texts(birth)
        readable = [t for t in texts if t in expected]
        self.assertEqual(list(dict.fromkeys(readable)), ["12 JAN 1820", "1820", "MAY 1484", "ABT 1400", "MAR 1340",
                                                         "BET 1300 AND 1500", "BEF 1350"])
        self.assertTrue(all(t not in expected for t in texts[len(readable):]))
        # Ages: "at least" ones among the exact ones, by time.
        age = names.index("age_at_death")
        self.sort_by(age, "ascending")
        texts = [t for t in self.column_texts(age) if t]
        least = [age_days(t) for t in texts]
        self.assertEqual(least, sorted(least))

    def test_findings_name_people_and_download_as_check_writes_them(self):
        tree = generated_tree(40)
        self.load_tree("family.ged", tree)
        expected_csv = cli_file("check", "family.ged", tree)
        expected_json = cli_file("check", "family.ged", tree, "--format", "json")
        self.assertEqual(self.blob_bytes("tree-findings-csv"), expected_csv)
        self.assertEqual(self.blob_bytes("tree-findings-json"), expected_json)
        self.assertEqual(self.element("tree-findings-csv").get_attribute("download"), "family-findings.csv")
        self.assertEqual(self.element("tree-findings-json").get_attribute("download"), "family-findings.json")
        findings = list(csv.DictReader(io.StringIO(expected_csv.decode())))
        parent = next(f for f in findings if f["rule"] in ("young_mother", "old_mother", "young_father", "old_father"))
        number = int(parent["individual"].removeprefix("I"))
        # A group's items are made as it opens.
        self.assertEqual(self.driver.execute_script("return document.querySelectorAll('#tree-finding-groups li').length"), 0)
        self.driver.execute_script("document.querySelectorAll('#tree-finding-groups summary').forEach((s) => s.click())")
        self.wait_for(lambda: self.driver.execute_script(
            "return document.querySelectorAll('#tree-finding-groups li').length") == len(findings))
        items = self.driver.execute_script(
            "return [...document.querySelectorAll('#tree-finding-groups li')].map((li) => li.textContent)")
        item = next(i for i in items if parent["detail"] in i and f"({parent['individual']})" in i)
        self.assertTrue(item.startswith(f"Person{number} Family{number // 4} ({parent['individual']})"), item)
        births = ["MAR 1340", "MAY 1484", "ABT 1400", "BET 1300 AND 1500", "BEF 1350", "12 JAN 1820", "1820"]
        if number % 9 < len(births):
            self.assertIn(f"born {births[number % 9]}", item)  # the parent's own birth

    def test_tree_takes_a_dropped_file(self):
        with open(test_page.FORMS_GED, "rb") as file:
            tree = file.read()
        self.driver.execute_script("""
            const transfer = new DataTransfer();
            transfer.items.add(new File([new Uint8Array(arguments[0])], 'dropped.ged'));
            document.getElementById('tree-part').dispatchEvent(
                new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));""",
                                   list(tree))
        self.wait_for(lambda: self.status("tree-status").startswith("dropped.ged: "))
        self.assertEqual(self.blob_bytes("tree-download"), cli("gedcom", test_page.FORMS_GED).stdout)

    def test_print_gives_the_report_with_its_headings_on_every_page(self):
        tree = generated_tree(400)
        self.load_tree("print.ged", tree)
        pdf = self.driver.execute_cdp_cmd("Page.printToPDF", {"printBackground": False, "preferCSSPageSize": True})
        folder = tempfile.mkdtemp(dir=self.scratch.name)
        path = os.path.join(folder, "report.pdf")
        with open(path, "wb") as file:
            file.write(__import__("base64").b64decode(pdf["data"]))
        text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, check=True).stdout.decode()
        pages = [page for page in text.split("\f") if page.strip()]
        self.assertGreater(len(pages), 1)
        headings = cli_file("gedcom", "print.ged", tree).decode().splitlines()[0].split(",")
        for number, page in enumerate(pages, 1):
            for heading in headings:
                self.assertIn(heading, page, f"page {number}")
        self.assertNotIn("Birth (Begin) Date", text)  # the forms are not printed
        self.assertIn("Person399", text)  # every row
        # Landscape, as the report is wide.
        info = subprocess.run(["pdfinfo", path], capture_output=True, check=True).stdout.decode()
        width, height = map(float, info.split("Page size:")[1].split("pts")[0].split(" x "))
        self.assertGreater(width, height)

    def test_loading_and_sorting_a_large_tree_never_block_the_page(self):
        self.driver.execute_script("""
            window.longestTask = 0;
            new PerformanceObserver((list) => {
                for (const entry of list.getEntries())
                    window.longestTask = Math.max(window.longestTask, entry.duration);
            }).observe({ type: 'longtask' });""")
        self.load_tree("large.ged", generated_tree(TREE_PEOPLE))
        for column in [2, 4]:
            self.sort_by(column, "ascending")
            self.sort_by(column, "descending")
        self.driver.execute_script("const f = document.getElementById('tree-report-frame'); f.scrollTop = f.scrollHeight / 2")
        longest = self.driver.execute_script("return window.longestTask")
        print(f"\nlongest main-thread task, loading and sorting {TREE_PEOPLE} people: {longest:.0f} ms",
              file=sys.stderr)
        self.assertLessEqual(longest, LONGEST_BLOCK_MILLISECONDS)

    # --- Accessibility ------------------------------------------------------

    @unittest.skipUnless(os.path.exists(AXE), "axe-core is not installed (scripts/dev.sh installs it)")
    def test_zx_axe_finds_no_violation(self):
        # Late (zx), with every part filled in by the tests before.
        with open(AXE, encoding="utf-8") as file:
            axe = file.read()
        try:
            for width in WIDTHS:
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": 900, "deviceScaleFactor": 1, "mobile": width < 600})
                for scheme in test_page.SCHEMES:
                    with self.subTest(width=width, scheme=scheme):
                        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
                        self.driver.execute_script(axe)
                        violations = self.driver.execute_async_script("""
                            const done = arguments[arguments.length - 1];
                            axe.run(document).then((r) => done(r.violations.map(
                                (v) => [v.id, v.nodes.map((n) => n.target.join(' ')).slice(0, 3)])));""")
                        self.assertEqual(violations, [])
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


# --- Offline: a browser and server of their own ---------------------------

class OfflineTest(unittest.TestCase):
    def test_every_part_works_with_the_server_stopped(self):
        server = serve.make_server(SITE, 0, quiet=True)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        origin = f"http://127.0.0.1:{server.server_address[1]}/"
        scratch = tempfile.TemporaryDirectory()
        driver = test_page.start_browser(os.path.join(scratch.name, "profile"))
        page = Page(driver, scratch.name)
        try:
            driver.get(origin)
            page.wait(lambda: driver.execute_script("return document.documentElement.dataset.offline") == "ready")
            server.shutdown()
            server.server_close()
            driver.execute_cdp_cmd("Network.clearBrowserCache", {})
            driver.get(origin)  # from the service worker alone
            page.wait(lambda: driver.execute_script("return document.documentElement.dataset.ready") == "true")
            # Span and tombstone, both ways.
            page.type("birth", "5/10/1950")
            page.type("death", "3/1/1990", Keys.ENTER)
            self.assertEqual(page.value("result"), cli("span", "5/10/1950", "3/1/1990").stdout.decode().strip())
            for way, date, age in [("born", "August 3, 1904", "79y 9m 29d"), ("died", "10/5/1824", "79y 9m 29d")]:
                Select(driver.find_element(By.ID, "stone-mode")).select_by_value(way)
                page.type("stone-date", date)
                page.type("stone-age", age, Keys.ENTER)
                self.assertEqual(page.value("stone-answer"), cli(way, date, age).stdout.decode().strip())
            # The calendar part, under a switch.
            Select(driver.find_element(By.ID, "switch")).select_by_value("GB")
            page.type("convert-date", "2 Sep 1752", Keys.ENTER)
            self.assertEqual(driver.find_element(By.ID, "convert-result").text,
                             cli("convert", "2 Sep 1752", "--switch", "GB").stdout.decode().strip())
            # Birth from records.
            records = ["England 1851 census: 34", "England 1861 census: 44"]
            driver.find_element(By.ID, "records").send_keys("\n".join(records))
            driver.find_element(By.ID, "narrow").click()
            self.assertEqual(page.value("records-answer").rstrip("\n"), cli("narrow", *records).stdout.decode().rstrip("\n"))
            # The spreadsheet, in its worker.
            rows = span_rows(50)
            driver.find_element(By.ID, "batch-file").send_keys(page.file("offline.csv", rows))
            page.wait(lambda: ", read as " in driver.find_element(By.ID, "batch-status").text)
            Select(driver.find_element(By.ID, "batch-begin")).select_by_value("1")
            Select(driver.find_element(By.ID, "batch-end")).select_by_value("2")
            driver.find_element(By.ID, "batch-run").click()
            page.wait(lambda: driver.find_element(By.ID, "batch-download").is_displayed())
            self.assertEqual(page.blob("batch-download"), cli("batch", "-b", "Born", "-e", "Died", input_bytes=rows).stdout)
            # The family tree, in its worker.
            driver.find_element(By.ID, "tree-file").send_keys(os.path.realpath(test_page.FORMS_GED))
            page.wait(lambda: driver.find_element(By.ID, "tree-status").text.startswith("forms.ged: "))
            self.assertEqual(page.blob("tree-download"), cli("gedcom", test_page.FORMS_GED).stdout)
            # Every part on the page has been used above.
            parts = driver.execute_script(
                "return [...document.querySelectorAll('section[data-part]')].map((s) => s.dataset.part)")
            self.assertEqual(parts, ["span", "stone", "calendar", "records", "batch", "tree"],
                             "a new part: use it offline here too")
            severe = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
            self.assertEqual(severe, [])
        finally:
            driver.quit()
            scratch.cleanup()


class UpdateTest(unittest.TestCase):
    def test_a_new_site_is_taken_on_the_next_load_not_during_use(self):
        import shutil
        scratch = tempfile.TemporaryDirectory()
        site = os.path.join(scratch.name, "site")
        shutil.copytree(SITE, site)
        server = serve.make_server(site, 0, quiet=True)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        origin = f"http://127.0.0.1:{server.server_address[1]}/"
        profile = os.path.join(scratch.name, "profile")
        driver = test_page.start_browser(profile)
        page = Page(driver, scratch.name)
        marker = "<!-- the next version -->"
        served_page = """
            const done = arguments[arguments.length - 1];
            fetch('index.html').then((r) => r.text()).then(done);"""
        cache_names = """
            const done = arguments[arguments.length - 1];
            caches.keys().then(done);"""
        try:
            driver.get(origin)
            page.wait(lambda: driver.execute_script("return document.documentElement.dataset.offline") == "ready")
            first_caches = driver.execute_async_script(cache_names)
            # A new version of the site, as a new build writes it.
            with open(os.path.join(site, "index.html"), "a", encoding="utf-8") as file:
                file.write(marker + "\n")
            subprocess.run([sys.executable, os.path.join(HERE, "..", "sitecache.py"), site,
                            os.path.join(HERE, "..", "service-worker.js.in"),
                            os.path.join(site, "service-worker.js")], check=True)
            driver.execute_script("navigator.serviceWorker.getRegistration().then((r) => r.update())")
            page.wait(lambda: "new version" in driver.find_element(By.ID, "app-status").text, "the new version told")
            # In use: still the old version.
            self.assertNotIn(marker, driver.execute_async_script(served_page))
            self.assertIn(first_caches[0], driver.execute_async_script(cache_names))
            # The next load takes the new one, and drops the old cache.
            driver.get(origin)
            taken = lambda: (driver.execute_script("return document.documentElement.dataset.ready") == "true"
                             and marker in driver.execute_async_script(served_page))
            try:
                page.wait(taken, "the new version taken")
            except TimeoutException:
                # Chrome at times keeps the new version waiting all the same
                # (seen on a first run with cold disk caches): the page then
                # says so, and the next opening of the site takes it.
                self.assertIn("new version", driver.find_element(By.ID, "app-status").text)
                print("\nthe new version was kept waiting: the site is opened again", file=sys.stderr)
                driver.quit()
                driver = test_page.start_browser(profile)
                page = Page(driver, scratch.name)
                driver.get(origin)
                page.wait(taken, "the new version taken when the site is opened again")
            page.wait(lambda: len(driver.execute_async_script(cache_names)) == 1
                      and driver.execute_async_script(cache_names) != first_caches, "the old cache dropped")
        finally:
            driver.quit()
            server.shutdown()
            scratch.cleanup()


class Page:
    """The few helpers the offline test needs without PageTest's server."""

    def __init__(self, driver, scratch):
        self.driver = driver
        self.scratch = scratch

    def wait(self, condition, what=""):
        from selenium.webdriver.support.ui import WebDriverWait
        WebDriverWait(self.driver, test_page.WAIT_SECONDS).until(lambda d: condition(), what)

    def type(self, element_id, *keys):
        field = self.driver.find_element(By.ID, element_id)
        field.clear()
        field.send_keys(*keys)

    def value(self, element_id):
        return self.driver.find_element(By.ID, element_id).get_attribute("value")

    def file(self, name, content):
        folder = tempfile.mkdtemp(dir=self.scratch)
        path = os.path.join(folder, name)
        with open(path, "wb") as file:
            file.write(content)
        return path

    def blob(self, link_id):
        return test_page.PageTest.blob_bytes(self, link_id)


def cli_file(command, name, content, *options):
    """The command line's output for content saved as a file of that name."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, name)
        with open(path, "wb") as file:
            file.write(content)
        return cli(command, path, *options).stdout


def age_days(text):
    """The least age a report's text allows, in days of 31 and months of 12."""
    import re
    found = re.search(r"(\d+) Year\(s\), (\d+) month\(s\), (\d+) day\(s\)", text)
    years, months, days = map(int, found.groups())
    return (years * 12 + months) * 31 + days


class serve_fetch:
    """A page's file as the server gives it: (Content-Type, bytes)."""

    def __init__(self, url):
        self.url = url

    def __enter__(self):
        import urllib.request
        with urllib.request.urlopen(self.url) as response:
            return response.headers.get_content_type(), response.read()

    def __exit__(self, *exc):
        return False


def load_tests(loader, tests, pattern):
    # The page's own tests run from test_page.py; here only the new ones.
    suite = unittest.TestSuite()
    for case in [AppTest, OfflineTest, UpdateTest]:
        names = loader.getTestCaseNames(case)
        if case is AppTest:
            names = [n for n in names if n not in loader.getTestCaseNames(test_page.PageTest)]
        suite.addTests(case(name) for name in names)
    return suite


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
