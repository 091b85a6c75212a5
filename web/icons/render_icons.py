#!/usr/bin/python3
"""Draws the app's icons (icon-192.png, icon-512.png) from ../favicon.svg
with headless Chromium, full bleed so that they also serve as maskable
icons. Run by hand when the favicon changes; the PNGs are kept in the
repository. usage: render_icons.py"""
import base64
import os
import tempfile

from selenium import webdriver

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = [192, 512]

with open(os.path.join(HERE, "..", "favicon.svg"), encoding="utf-8") as file:
    # A square of the favicon's blue under the rounded favicon, so that
    # the icon has no transparent corners.
    svg = file.read().replace('rx="6" ', "")
with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(options=options)
    try:
        for size in SIZES:
            page = (f"<html><body style='margin:0'><img width='{size}' height='{size}' "
                    f"src='data:image/svg+xml;base64,{base64.b64encode(svg.encode()).decode()}'></body></html>")
            driver.get("data:text/html;base64," + base64.b64encode(page.encode()).decode())
            shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
                "clip": {"x": 0, "y": 0, "width": size, "height": size, "scale": 1}})
            with open(os.path.join(HERE, f"icon-{size}.png"), "wb") as out:
                out.write(base64.b64decode(shot["data"]))
    finally:
        driver.quit()
