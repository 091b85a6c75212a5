#!/usr/bin/python3
"""Times the web page in headless Chromium and prints the seconds, with the
longest task that held up the page's main thread (PerformanceObserver,
"longtask": 50 ms and more; 0 when there was none).

usage: measure.py SITE batch CSV BEGIN_COLUMN END_COLUMN
           (from the click on Run to the finished download)
       measure.py SITE tree GEDCOM
           (from choosing the file to the shown report and findings, then
            sorting every column both ways)"""
import os
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web"))
import serve  # noqa: E402

LONGEST_RUN_SECONDS = 600
OBSERVE_LONG_TASKS = """
window.longestTask = 0;
new PerformanceObserver((list) => {
    for (const entry of list.getEntries())
        window.longestTask = Math.max(window.longestTask, entry.duration);
}).observe({ type: 'longtask' });"""


def measure_batch(driver, wait, csv_path, begin, end):
    driver.find_element(By.ID, "batch-file").send_keys(os.path.abspath(csv_path))
    wait.until(lambda d: ", read as " in d.find_element(By.ID, "batch-status").text)
    Select(driver.find_element(By.ID, "batch-begin")).select_by_value(begin)
    Select(driver.find_element(By.ID, "batch-end")).select_by_value(end)
    driver.execute_script(OBSERVE_LONG_TASKS)
    start = time.perf_counter()
    driver.find_element(By.ID, "batch-run").click()
    wait.until(lambda d: d.find_element(By.ID, "batch-download").is_displayed()
               or not d.find_element(By.ID, "batch-status").text.startswith("Working"))
    seconds = time.perf_counter() - start
    print(driver.find_element(By.ID, "batch-status").text)
    print(f"page: {seconds:.2f} s")


def sort_state(driver, column):
    return driver.execute_script(
        "return document.querySelector(`#tree-report thead th:nth-child(${arguments[0]})`).ariaSort", column + 1)


def measure_tree(driver, wait, tree_path):
    driver.execute_script(OBSERVE_LONG_TASKS)
    name = os.path.basename(tree_path)
    start = time.perf_counter()
    driver.find_element(By.ID, "tree-file").send_keys(os.path.abspath(tree_path))
    wait.until(lambda d: d.find_element(By.ID, "tree-status").text.startswith(f"{name}: "))
    seconds = time.perf_counter() - start
    print(driver.find_element(By.ID, "tree-status").text)
    print(f"page, report and findings: {seconds:.2f} s")
    columns = driver.execute_script("return document.querySelectorAll('#tree-report thead th').length")
    start = time.perf_counter()
    for column in range(columns):
        for _ in range(2):
            before = sort_state(driver, column)
            driver.execute_script(
                "document.querySelector(`#tree-report thead th:nth-child(${arguments[0]}) button`).click()",
                column + 1)
            wait.until(lambda d, c=column, b=before: sort_state(d, c) != b)
    print(f"page, {columns} columns sorted both ways: {time.perf_counter() - start:.2f} s")


def main():
    site, kind = sys.argv[1:3]
    server = serve.make_server(site, 0, quiet=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run", f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(options=options)
        try:
            driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
            wait = WebDriverWait(driver, LONGEST_RUN_SECONDS)
            wait.until(lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
            print(f"page ready: {driver.execute_script('return document.documentElement.dataset.readyAt')} ms")
            if kind == "batch":
                measure_batch(driver, wait, *sys.argv[3:6])
            else:
                measure_tree(driver, wait, sys.argv[3])
            print(f"longest main-thread task: {driver.execute_script('return window.longestTask'):.0f} ms")
        finally:
            driver.quit()
            server.shutdown()


if __name__ == "__main__":
    main()
