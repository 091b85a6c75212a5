#!/usr/bin/python3
"""Times one CSV file through the web page's spreadsheet part in headless
Chromium (from the click on Run to the finished download) and prints the
seconds. usage: measure.py SITE CSV BEGIN_COLUMN END_COLUMN"""
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
site, csv_path, begin, end = sys.argv[1:5]
server = serve.make_server(site, 0, quiet=True)
threading.Thread(target=server.serve_forever, daemon=True).start()
with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--no-first-run", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(options=options)
    try:
        start = time.perf_counter()
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
        wait = WebDriverWait(driver, LONGEST_RUN_SECONDS)
        wait.until(lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
        print(f"page ready: {driver.execute_script('return document.documentElement.dataset.readyAt')} ms")
        driver.find_element(By.ID, "batch-file").send_keys(os.path.abspath(csv_path))
        wait.until(lambda d: "columns" in d.find_element(By.ID, "batch-status").text)
        Select(driver.find_element(By.ID, "batch-begin")).select_by_value(begin)
        Select(driver.find_element(By.ID, "batch-end")).select_by_value(end)
        start = time.perf_counter()
        driver.find_element(By.ID, "batch-run").click()
        wait.until(lambda d: d.find_element(By.ID, "batch-download").is_displayed()
                   or not d.find_element(By.ID, "batch-status").text.startswith("Working"))
        seconds = time.perf_counter() - start
        print(driver.find_element(By.ID, "batch-status").text)
        print(f"page: {seconds:.2f} s")
    finally:
        driver.quit()
