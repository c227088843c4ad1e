#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's load in one engine: from navigation to the enabled button (the
page's mark "velmora-ready"), median of 10 loads. A measurement, not a test;
scripts/web prints it for each engine.

    web_load_time.py --engine chromium|firefox|webkit BUILD/velmora.html
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import web_page_test  # noqa: E402  (the engines, and the page from the arguments)

engine = web_page_test.start_engine()
try:
    loads = []
    for _ in range(10):
        engine.load()
        loads.append(engine.js("return performance.getEntriesByName('velmora-ready')[0].startTime"))
finally:
    engine.quit()
print("%-30s load to the enabled button: median %6.1f ms (min %.1f, max %.1f) of %d"
      % (engine.version, statistics.median(loads), min(loads), max(loads), len(loads)))
