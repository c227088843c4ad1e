#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's speed and size, in Debian's headless Chromium:
  - from navigation (file://) to an enabled button, median of 20 loads;
  - one click's calculation and display, median of 1000 clicks;
  - the size of velmora.html, plain and gzipped.
    web_bench.py BUILD-WEB/velmora.html      (scripts/web builds it)
"""
import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
page = os.path.abspath(sys.argv[1])
sys.argv[1:] = [page]
import web_page_test  # noqa: E402  (browser() and PAGE come from the page's tests)

from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Notes the moment the button is enabled, from before the page's own scripts run.
READY = """
new MutationObserver((changes, observer) => {
    const button = document.getElementById('Command1');
    if (button && !button.disabled) { window.velmoraReady = performance.now(); observer.disconnect(); }
}).observe(document, {subtree: true, childList: true, attributes: true});
"""

driver = web_page_test.browser()
try:
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": READY})
    loads = []
    for _ in range(20):
        driver.get("file://" + page)
        WebDriverWait(driver, 10).until(lambda d: d.execute_script("return window.velmoraReady"))
        loads.append(driver.execute_script("return window.velmoraReady"))
    for n in range(1, 8):
        driver.find_element(By.ID, "Text%d" % n).send_keys("1,5")
    clicks = driver.execute_script("""
        const times = [];
        const button = document.getElementById('Command1');
        for (let n = 0; n < 1000; ++n) {
            const start = performance.now();
            button.click();
            document.getElementById('Label10').getBoundingClientRect(); // laid out
            times.push(performance.now() - start);
        }
        return times;""")
finally:
    driver.quit()

with open(page, "rb") as f:
    data = f.read()
print("load to enabled button: median %.1f ms (min %.1f, max %.1f) over %d loads"
      % (statistics.median(loads), min(loads), max(loads), len(loads)))
print("one click, calculation and display: median %.3f ms over %d clicks"
      % (statistics.median(clicks), len(clicks)))
print("velmora.html: %d bytes, %d gzipped" % (len(data), len(gzip.compress(data, 9, mtime=0))))
