#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""velmora.html in the three browser engines Debian has, one list of checks
driven in each:
  - chromium: Debian's headless Chromium through chromedriver (WebDriver);
  - firefox: Debian's Firefox ESR through puppeteer-core over WebDriver BiDi
    (web_puppeteer.js; there is no geckodriver to install);
  - webkit: Debian's WebKitGTK through WebKitWebDriver, on a private Xvfb
    display, in a bare window (web_webkit_shell.py).
Each loads the page from file://, as a student who got it by e-mail would,
and checks what the desktop window's tests check: results, each box and
where the focus goes after it, the outdated mark, the keyboard, copying and
what a copy says, the layout, no network request, nothing stored, hostile
input shown as text, a phone's narrow screen at the width asked for, and
axe-core's accessibility rules. A check that an engine cannot run is skipped
with its reason, and README lists it.

    web_page_test.py [--engine chromium|firefox|webkit] BUILD/velmora.html

It writes BUILD/web-ENGINE.json (each check's outcome and the engine's
version) and BUILD/web-360-ENGINE.png. axe-core comes from
AXE_CORE (axe.min.js), puppeteer-core from PUPPETEER_CORE; scripts/web
installs both. tests/web_offline.sh runs it where nothing but the loopback
can be reached.
"""
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ENGINE = "chromium"
if len(sys.argv) > 2 and sys.argv[1] == "--engine":
    ENGINE = sys.argv.pop(2)
    sys.argv.pop(1)
PAGE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else ""
URL = "file://" + PAGE
AXE = os.environ.get("AXE_CORE", "/var/cache/velmora/npm/node_modules/axe-core/axe.min.js")
HERE = os.path.dirname(os.path.abspath(__file__))

FIVE_LINES = (" Ergebnis nach der Trapezregel:\nF = %s\n\nErgebnis nach der Simpson-Regel:\nF = %s")
OUTDATED = "Ergebnis (gehört nicht zu den aktuellen Werten)"
HINT = "Noch kein Ergebnis: Werte eingeben und „Starte Berechnung“ drücken."

# Chromium resolves no host but localhost, and starts none of its own
# services: no update, sync, safe browsing, metrics, translation or hints.
CHROMIUM_FLAGS = (
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--no-default-browser-check", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--disable-default-apps",
    "--disable-domain-reliability", "--disable-client-side-phishing-detection",
    "--disable-breakpad", "--no-pings", "--dns-prefetch-disable", "--metrics-recording-only",
    "--safebrowsing-disable-auto-update",
    "--disable-features=OptimizationHints,MediaRouter,Translate,AutofillServerCommunication,"
    "CertificateTransparencyComponentUpdater,InterestFeedContentSuggestions",
    "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE localhost",
    # chromedriver talks to it through a pipe: it resolves no name for that.
    "--remote-debugging-pipe",
)


def browser(width=800, height=600, flags=()):
    """Headless Chromium through chromedriver, its window WIDTH x HEIGHT
    (which is not the page's width: see ChromiumEngine.viewport)."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in CHROMIUM_FLAGS + tuple(flags) + ("--window-size=%d,%d" % (width, height),):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Browser.grantPermissions", {
        "origin": "file://", "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    return driver


def wait(condition, timeout=5, message="timed out"):
    """condition()'s first true value within TIMEOUT seconds."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(message)
        time.sleep(0.02)


def png_size(data):
    """A PNG's width and height, from its header."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", data[:8]
    return list(struct.unpack(">II", data[16:24]))


class Engine:
    """What the checks do in a browser, the same in each engine."""
    name = ""
    version = ""

    def js(self, body, *args):
        """Runs BODY as a function of ARGS (`arguments`) in the page, and
        gives what it returns, a promise's value once it is settled."""
        raise NotImplementedError

    def load(self):
        self.navigate()
        wait(lambda: self.js("const b = document.getElementById('Command1');"
                             "return b !== null && !b.disabled"), 10, "the page did not start")

    def viewport(self, width, height):
        """Sets the page's viewport and gives window.innerWidth as the page
        then has it."""
        raise NotImplementedError


class SeleniumEngine(Engine):
    KEYS = {"Tab": Keys.TAB, "Enter": Keys.RETURN, "F8": Keys.F8, "F9": Keys.F9,
            " ": Keys.SPACE, "Alt": Keys.ALT, "Shift": Keys.SHIFT, "Control": Keys.CONTROL}
    driver = None

    def js(self, body, *args):
        answer = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "const args = Array.prototype.slice.call(arguments, 0, -1);"
            "Promise.resolve().then(() => (function () {" + body + "}).apply(null, args))"
            ".then((v) => done({value: v === undefined ? null : v}), (e) => done({error: String(e)}))",
            *args)
        if "error" in answer:
            raise AssertionError("in the page: " + answer["error"])
        return answer["value"]

    def navigate(self):
        self.driver.get(URL)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def click(self, name):
        self.element(name).click()

    def type(self, name, text):
        self.element(name).send_keys(text)

    def key(self, chord, name=None):
        keys = [self.KEYS.get(k, k) for k in (["+"] if chord == "+" else chord.split("+"))]
        last = keys.pop()
        if not keys:
            (self.element(name) if name else self.driver.switch_to.active_element).send_keys(last)
            return
        if name:
            self.js("document.getElementById(arguments[0]).focus()", name)
        actions = ActionChains(self.driver)
        for key in keys:
            actions.key_down(key)
        actions.send_keys(last)
        for key in reversed(keys):
            actions.key_up(key)
        actions.perform()

    def double_click(self, name, x, y):
        box = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                      "return [r.left + r.width / 2, r.top + r.height / 2]", name)
        ActionChains(self.driver).move_to_element_with_offset(
            self.element(name), x - box[0], y - box[1]).double_click().perform()

    def screenshot(self, path):
        self.driver.save_screenshot(path)

    def quit(self):
        self.driver.quit()


class ChromiumEngine(SeleniumEngine):
    name = "chromium"

    def __init__(self, flags=()):
        self.driver = browser(flags=flags)
        self.version = "Chromium " + self.driver.capabilities["browserVersion"]

    def viewport(self, width, height):
        # Through the engine's own emulation: a headless window of 360 pixels
        # (--window-size) gives the page 500.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        return self.js("return innerWidth")

    def reset_viewport(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def requests(self):
        entries = [json.loads(entry["message"])["message"]
                   for entry in self.driver.get_log("performance")]
        return [e["params"]["request"]["url"] for e in entries
                if e["method"] == "Network.requestWillBeSent"]

    def messages(self):
        return [e["message"] for e in self.driver.get_log("browser")]

    def set_clipboard(self, text):
        self.js("return navigator.clipboard.writeText(arguments[0])", text)

    def clipboard_text(self):
        return self.js("return navigator.clipboard.readText()")

    def clipboard_html(self):
        return self.js("return navigator.clipboard.read().then(async (items) =>"
                       " (await items[0].getType('text/html')).text())")

    def clipboard_report(self):
        """The copied item's types, its HTML and its text."""
        return self.js("return navigator.clipboard.read().then(async (items) => [items[0].types,"
                       " await (await items[0].getType('text/html')).text(),"
                       " await (await items[0].getType('text/plain')).text()])")

    def clipboard_figure(self):
        """The copied figure: its PNG's size and, where an SVG went along,
        the number of its dots (or 'broken')."""
        return self.js(
            "return navigator.clipboard.read().then(async (items) => {"
            "  const image = await createImageBitmap(await items[0].getType('image/png'));"
            "  let svg = null;"
            "  if (items[0].types.includes('image/svg+xml')) {"
            "    const text = await (await items[0].getType('image/svg+xml')).text();"
            "    const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');"
            "    svg = parsed.querySelector('parsererror') ? 'broken' : parsed.querySelectorAll('circle').length;"
            "  }"
            "  return [image.width, image.height, svg];"
            "})")


class FirefoxEngine(ChromiumEngine):
    """Firefox ESR through web_puppeteer.js, which answers one JSON command
    at a time."""
    name = "firefox"

    def __init__(self):
        self.process = subprocess.Popen(["node", os.path.join(HERE, "web_puppeteer.js")],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.version = "Firefox " + self.call("launch", width=800, height=600).split("/")[-1]

    def call(self, op, **args):
        self.process.stdin.write(json.dumps(dict(args, op=op)) + "\n")
        self.process.stdin.flush()
        answer = json.loads(self.process.stdout.readline())
        if "error" in answer:
            raise AssertionError("%s: %s" % (op, answer["error"]))
        return answer["value"]

    def js(self, body, *args):
        return self.call("evaluate", expression="(async () => (function () {" + body + "})"
                         ".apply(null, " + json.dumps(list(args)) + "))()")

    def navigate(self):
        self.call("goto", url=URL)

    def click(self, name):
        self.call("click", selector="#" + name)

    def type(self, name, text):
        self.call("type", selector="#" + name, text=text)

    def key(self, chord, name=None):
        self.call("key", chord=chord, selector="#" + name if name else None)

    def double_click(self, name, x, y):
        self.call("mouse", x=x, y=y, count=2)

    def screenshot(self, path):
        self.call("screenshot", path=path)

    def viewport(self, width, height):
        self.call("viewport", width=width, height=height)
        return self.js("return innerWidth")

    def reset_viewport(self):
        self.call("viewport", width=800, height=600)

    def requests(self):
        return self.call("requests")

    def clipboard_html(self):
        return self.js("return window.copiedItem.getType('text/html').then((html) => html.text())")

    def clipboard_report(self):
        return self.js("const item = window.copiedItem;"
                       "return Promise.all([item.getType('text/html'), item.getType('text/plain')])"
                       ".then(async ([html, text]) => [item.types, await html.text(), await text.text()])")

    def clipboard_figure(self):
        # Headless Firefox's clipboard keeps text only: the figure's item is
        # read as the page hands it to the clipboard.
        return self.js(
            "const item = window.copiedItem;"
            "if (!item) return null;"
            "return item.getType('image/png').then(async (png) => {"
            "  const image = await createImageBitmap(png);"
            "  let svg = null;"
            "  if (item.types.includes('image/svg+xml'))"
            "    svg = (await (await item.getType('image/svg+xml')).text()).split('<circle').length - 1;"
            "  return [image.width, image.height, svg];"
            "})")

    def load(self):
        super().load()
        self.js("const write = navigator.clipboard.write.bind(navigator.clipboard);"
                "navigator.clipboard.write = (items) => { window.copiedItem = items[0]; return write(items); }")

    def messages(self):
        return self.call("messages")

    def quit(self):
        self.call("close")
        self.process.stdin.close()
        self.process.wait(10)


class WebKitEngine(SeleniumEngine):
    """WebKitGTK through WebKitWebDriver on its own Xvfb display. The
    driver sets only the window's size; the page's width is read back."""
    name = "webkit"

    def __init__(self):
        for display in range(170, 220):
            if not os.path.exists("/tmp/.X11-unix/X%d" % display) and \
                    not os.path.exists("/tmp/.X%d-lock" % display):
                break
        self.xvfb = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
        wait(lambda: os.path.exists("/tmp/.X11-unix/X%d" % display), 10, "no Xvfb")
        os.environ["DISPLAY"] = ":%d" % display
        self.log = tempfile.NamedTemporaryFile(prefix="webkit-", suffix=".log")
        self.read = 0
        options = webdriver.WebKitGTKOptions()
        options.binary_location = os.path.join(HERE, "web_webkit_shell.py")
        options.set_capability("browserName", "VelmoraWebKit")
        self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                          options=options, service_log_path=self.log.name)
        self.version = "WebKitGTK " + self.driver.capabilities["browserVersion"]
        self.driver.set_window_size(800, 600)

    def viewport(self, width, height):
        self.driver.set_window_size(width, height)
        inner = self.js("return innerWidth")
        if inner != width:
            # A frame around the page: the window that much wider.
            self.driver.set_window_size(2 * width - inner, height)
            inner = self.js("return innerWidth")
        return inner

    def reset_viewport(self):
        self.driver.set_window_size(800, 600)

    def requests(self):
        return None

    def messages(self):
        with open(self.log.name, encoding="utf-8", errors="replace") as f:
            f.seek(self.read)
            text = f.read()
            self.read = f.tell()
        return [line for line in text.splitlines() if line.startswith("CONSOLE")]

    def xclip(self, *args, data=None):
        return subprocess.run(["xclip", "-selection", "clipboard"] + list(args), input=data,
                              stdout=subprocess.PIPE if data is None else subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, check=True, timeout=10).stdout

    # The clipboard is the X display's: scripts may not read or write it
    # without the user's gesture in WebKit.
    def set_clipboard(self, text):
        self.xclip("-i", data=text.encode())

    def clipboard_text(self):
        return self.xclip("-o", "-t", "UTF8_STRING").decode()

    def clipboard_html(self):
        return self.xclip("-o", "-t", "text/html").decode()

    def clipboard_report(self):
        # X11 offers its own targets beside the page's (TARGETS, STRING, ...).
        offered = self.xclip("-o", "-t", "TARGETS").decode().split()
        types = [t for t in ("text/html", "text/plain", "image/png") if t in offered]
        return [types, self.clipboard_html(), self.clipboard_text()]

    def clipboard_figure(self):
        types = self.xclip("-o", "-t", "TARGETS").decode().split()
        size = png_size(self.xclip("-o", "-t", "image/png"))
        svg = None
        if "image/svg+xml" in types:
            svg = self.xclip("-o", "-t", "image/svg+xml").decode().count("<circle")
        return size + [svg]

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.xvfb.terminate()
            self.xvfb.wait(10)


ENGINES = {"chromium": ChromiumEngine, "firefox": FirefoxEngine, "webkit": WebKitEngine}
engine = None
outcomes = {}


def start_engine():
    global engine
    if engine is None:
        engine = ENGINES[ENGINE]()
    return engine


def not_in(*engines, reason):
    """A check that cannot run in ENGINES, skipped with its REASON."""
    def mark(check):
        return unittest.skipIf(ENGINE in engines, reason)(check)
    return mark


class Checks(unittest.TestCase):
    """What every engine is checked for, through the Engine above."""

    @classmethod
    def setUpClass(cls):
        cls.engine = start_engine()

    def setUp(self):
        self.engine.reset_viewport()
        self.engine.load()
        # What the engine recorded before this check is not its.
        self.engine.requests()
        self.engine.messages()

    def js(self, body, *args):
        return self.engine.js(body, *args)

    def active(self):
        return self.js("return document.activeElement ? document.activeElement.id : ''")

    def clear(self, name):
        self.js("document.getElementById(arguments[0]).value = ''", name)

    def type_values(self, values):
        for n, value in enumerate(values, start=1):
            self.clear("Text%d" % n)
            if value.isascii():
                if value:
                    self.engine.type("Text%d" % n, value)
            else:
                # What no keyboard of the drivers' types (a no-break space,
                # the minus sign) goes in as an input method puts it.
                self.js("const f = document.getElementById(arguments[0]); f.focus();"
                        "document.execCommand('insertText', false, arguments[1])", "Text%d" % n, value)

    def click(self, name):
        self.engine.click(name)

    def key(self, chord, name=None):
        self.engine.key(chord, name)

    def result(self):
        return self.js("return document.getElementById('Label10').textContent")

    def description(self):
        return self.js("return document.getElementById('ResultDescription').textContent")

    def explanation(self):
        """Text1's title and the description screen readers get with it."""
        return self.js("const f = document.getElementById('Text1');"
                       "const by = f.getAttribute('aria-describedby');"
                       "return [f.title, by ? document.getElementById(by).textContent : '']")

    def box(self):
        """The open box's text, or None."""
        return self.js("const box = document.getElementById('Box');"
                       "return box.open ? document.getElementById('BoxText').textContent : null")

    def close_box(self):
        self.click("BoxOk")
        wait(lambda: self.box() is None)

    def pause(self, ms):
        self.js("return new Promise(r => setTimeout(r, arguments[0]))", ms)

    def assert_focus_moves_to(self, name):
        """The focus goes where the click rules say once the box's close
        event has run, which the browser queues after the box is closed."""
        try:
            wait(lambda: self.active() == name)
        except AssertionError:
            pass
        self.assertEqual(self.active(), name)

    def listen(self, from_start=False):
        """From now on window.heard holds every text the announcer says; from
        the start, with what it says now too: on a busy machine the page may
        say its heading before the driver is back from loading it."""
        self.js("const now = arguments[0] ? document.getElementById('Announcer').textContent : '';"
                "window.heard = now === '' ? [] : [now];"
                "new MutationObserver(() => { const t = document.getElementById('Announcer').textContent;"
                "  if (t !== '') window.heard.push(t); })"
                ".observe(document.getElementById('Announcer'), {childList: true, subtree: true,"
                " characterData: true});", from_start)

    def heard(self):
        return self.js("return window.heard")

    def wait_heard(self, count):
        wait(lambda: len(self.heard()) >= count, 5, "heard only %r" % self.heard())

    def values(self):
        return self.js("return [...Array(7).keys()].map(k => document.getElementById('Text' + (k + 1)).value)")

    def rect(self, name):
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height]", name)

    def test_results_of_a_click_and_of_return_in_a_field(self):
        cases = [
            (["0", "1", "4", "9", "16", "25", "36"], FIVE_LINES % ("14600", "14400")),
            (["2,5", "0", "0", "0", "0", "0", "0"], FIVE_LINES % ("250", "166,666666666667")),
            (["1,5", "2", "3", "4", "5", "6", "7"], FIVE_LINES % ("4850", "4833,33333333333")),
            (["\u00a01.5 ", "\u22122", "\u20131", "1e1", "+,5", "5,", "7"],
             FIVE_LINES % ("3350", "3966,66666666667")),
        ]
        for values, expected in cases:
            with self.subTest(values=values):
                self.type_values(values)
                self.click("Command1")
                self.assertIsNone(self.box())
                self.assertEqual(self.result(), expected)
                self.assertEqual(self.description(), "Ergebnis")
        self.key("Enter", "Text4")
        self.assertEqual(self.result(), expected)
        self.assertEqual(self.active(), "Text4")

    def test_each_box_and_where_the_focus_goes(self):
        ones = ["1"] * 7
        cases = [
            # field, text, box, focus afterwards
            (1, "abc", "Wert ist keine Zahl!", "Text1"),
            (1, "", "Wert ist keine Zahl!", "Text1"),
            (1, "1.125", "Wert ist keine Zahl!", "Text1"),
            (3, "abc", "Im Feld „T = 200 °C“ steht keine Zahl: „abc“. Bitte eine Zahl "
             "schreiben, zum Beispiel 12,5 oder -0,25.", "Text3"),
            (2, "", "Das Feld „T = 0 °C“ ist leer. Bitte den Messwert eintragen.", "Text2"),
            (7, "1.000", "Im Feld „T = 1000 °C“ steht „1.000“. Das ist mehrdeutig "
             "(Tausenderpunkt oder Dezimalpunkt?). Bitte 1000 oder 1,000 schreiben.", "Text7"),
            (2, "1e308", "Eine Zwischensumme der Trapezregel ist zu groß. Ihr Betrag liegt "
             "über 1,79769313486232E+308. Bitte kleinere Werte eingeben.", "Command1"),
        ]
        for field, text, message, focus in cases:
            with self.subTest(field=field, text=text):
                self.type_values(ones)
                self.click("Command1")
                values = list(ones)
                values[field - 1] = text
                self.type_values(values)
                if text == "1e308":
                    self.clear("Text1")
                    self.engine.type("Text1", "1e308")
                self.click("Command1")
                self.assertEqual(self.box(), message)
                # Outdated before the box is closed.
                self.assertEqual(self.description(), OUTDATED)
                title = self.js("const box = document.getElementById('Box');"
                                "return [box.getAttribute('role'), document.getElementById('BoxTitle')"
                                ".textContent, document.activeElement.id]")
                self.assertEqual(title, ["alertdialog", "Velmora", "BoxOk"])
                self.close_box()
                self.assert_focus_moves_to(focus)
                if focus.startswith("Text"):
                    selected = self.js("const f = document.activeElement;"
                                       "return [f.value.substring(f.selectionStart, f.selectionEnd), f.value]")
                    self.assertEqual(selected[0], selected[1])
                self.assertEqual(self.result(), FIVE_LINES % ("1200", "1200"))
                self.assertIn("outdated", self.js("return document.getElementById('Label10').className"))
                # The first field's box says no more than it always did; the
                # field says why where the reader knows more, until it is edited.
                explained = ("Im Feld „T = -200 °C“ steht „1.125“. Das ist mehrdeutig "
                             "(Tausenderpunkt oder Dezimalpunkt?). Bitte 1125 oder 1,125 schreiben."
                             if text == "1.125" else "")
                self.assertEqual(self.explanation(), [explained, explained])
                if explained:
                    self.engine.type("Text1", "5")
                    self.assertEqual(self.explanation(), ["", ""])

    def test_one_box_names_every_field_without_a_number(self):
        self.type_values(["1", "1.234", "2,5", "2.345", "", "4", "x"])
        self.click("Command1")
        self.assertTrue(self.box().endswith(
            "\nAuch die Felder „T = 400 °C“, „T = 600 °C“ und „T = 1000 °C“ enthalten keine "
            "Zahl."), self.box())
        self.close_box()
        self.assert_focus_moves_to("Text2")

    def test_an_edited_field_leaves_the_result_outdated(self):
        self.type_values(["1"] * 7)
        self.click("Command1")
        self.assertEqual(self.description(), "Ergebnis")
        self.engine.type("Text5", "0")
        self.assertEqual(self.description(), OUTDATED)
        style = self.js("return getComputedStyle(document.getElementById('Label10')).fontStyle")
        self.assertEqual(style, "italic")
        self.click("Command1")
        self.assertEqual(self.description(), "Ergebnis")

    def test_the_keyboard(self):
        self.assertEqual(self.active(), "Command1")
        walk = ["Text%d" % n for n in range(1, 8)]
        for expected in walk:
            self.key("Tab")
            self.assertEqual(self.active(), expected)
        # After Text7 the browser decides (README): on to its own controls,
        # or round to the page's first; the page keeps no trap.
        self.key("Tab")
        after = self.active()
        self.assertNotIn(after, walk)
        outcomes.setdefault("notes", {})["Tab after Text7"] = after or "(the browser's own)"

    @not_in("firefox", reason="puppeteer-core's keys over BiDi reach a button in headless Firefox "
            "as events, but Firefox activates no button with them (nor in a page of one button)")
    def test_return_and_space_on_the_button(self):
        self.type_values(["1"] * 7)
        for key in ("Enter", " "):
            with self.subTest(key=key):
                self.js("document.getElementById('Label10').textContent = ''")
                self.key(key, "Command1")
                self.assertEqual(self.result(), FIVE_LINES % ("1200", "1200"))

    def test_screen_readers_hear_each_change_once_and_f8_reaches_the_result(self):
        self.listen(from_start=True)
        self.wait_heard(1)
        self.assertEqual(self.heard(), ["Lösung für Aufgabe 5"])
        result = ("Ergebnis nach der Trapezregel: F = 4850; "
                  "Ergebnis nach der Simpson-Regel: F = 4833,33333333333")
        outdated = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten."
        self.type_values(["1,5", "2", "3", "4", "5", "6", "7"])
        self.click("Command1")
        self.wait_heard(2)
        self.key("Alt+Shift+c")
        self.wait_heard(3)
        self.engine.type("Text2", "9")
        self.wait_heard(4)
        self.engine.type("Text2", "9")
        self.clear("Text3")
        self.engine.type("Text3", "abc")
        self.click("Command1")
        self.assertIsNotNone(self.box())
        self.pause(200)
        self.assertEqual(self.heard(), ["Lösung für Aufgabe 5", result, "Ergebnis kopiert.", outdated])
        self.close_box()
        self.type_values(["1,5", "2", "3", "4", "5", "6", "7"])
        self.click("Command1")
        self.wait_heard(5)
        self.assertEqual(self.heard()[4], result, "the same result again is said again")
        self.clear("Text3")
        self.engine.type("Text3", "abc")
        self.wait_heard(6)
        self.click("Command1")
        self.close_box()
        self.assert_focus_moves_to("Text3")
        self.pause(200)
        self.assertEqual(self.heard()[5:], [outdated], "an outdated result is said once")

        # A result that comes with a box (Simpson's overflows): said once the
        # box is closed, never under it.
        self.type_values(["0", "7,5e305", "0", "0", "0", "0", "0"])
        self.click("Command1")
        self.pause(200)
        self.assertIsNotNone(self.box())
        self.assertEqual(len(self.heard()), 6)
        self.close_box()
        self.wait_heard(7)
        self.assertEqual(self.heard()[6], "Ergebnis nach der Trapezregel: F = 1,5E+308")

        # F8 from a field and from the button puts the focus on the result box.
        for start in ("Text5", "Command1"):
            with self.subTest(start=start):
                self.key("F8", start)
                self.assertEqual(self.active(), "Label10")

    def paste_into(self, name, text):
        self.engine.set_clipboard(text)
        self.click(name)
        self.key("Control+v")

    def test_pasting_several_readings_fills_the_fields_below(self):
        before = ["a", "b", "c", "d", "e", "f", "g"]
        self.type_values(before)
        self.paste_into("Text2", "1,5\r\n\r\n3\r\n")
        self.assertEqual(self.values(), ["a", "1,5", "", "3", "e", "f", "g"])
        self.key("Control+z")
        self.assertEqual(self.values(), before)
        # The temperatures beside the values; then Return gives the result.
        self.paste_into("Text1", "".join("%d\t%s\n" % (t, v) for t, v in
                                          zip(range(-200, 1001, 200), ["1,5", "2", "3", "4", "5", "6", "7"])))
        self.assertEqual(self.values(), ["1,5", "2", "3", "4", "5", "6", "7"])
        self.key("Enter", "Text1")
        self.assertEqual(self.result(), FIVE_LINES % ("4850", "4833,33333333333"))
        self.assertEqual(self.description(), "Ergebnis")
        # Too many: nothing changes, a box says why.
        self.paste_into("Text5", "1\n2\n3\n4\n")
        self.assertEqual(self.box(), "Ab dem Feld „T = 600 °C“ ist Platz für 3 Werte; eingefügt wurden 4. "
                                     "Für „4“ ist kein Feld mehr frei.")
        self.close_box()
        self.assertEqual(self.values(), ["1,5", "2", "3", "4", "5", "6", "7"])
        # One cell goes in where the cursor is.
        self.paste_into("Text7", "8\n")
        self.assertEqual(self.values()[6], "78")
        self.assertEqual(self.description(), OUTDATED)
        # With the focus on the button, a column with its heading goes into
        # Text1 and below.
        self.type_values([""] * 7)
        self.engine.set_clipboard("Messwert\n1\n2\n")
        self.js("document.getElementById('Command1').focus()")
        self.key("Control+v")
        self.assertEqual(self.values(), ["1", "2", "", "", "", "", ""])
        self.assertEqual(self.active(), "Text1")

    def figure(self):
        """The figure's curves, texts and text alternative, as the page shows it."""
        return self.js(
            "const svg = document.querySelector('#Figure svg');"
            "return {curves: [...svg.querySelectorAll('path')].map(p => p.getAttribute('d'))"
            "                 .join(' ').split('Q').length - 1,"
            "        texts: [...svg.querySelectorAll('text')].map(t => t.textContent),"
            "        italic: [...svg.querySelectorAll('text[font-style=italic]')].map(t => t.textContent),"
            "        desc: svg.querySelector('desc').textContent,"
            "        copyable: !document.getElementById('CopyFigure').disabled}")

    def compute_figure(self):
        self.type_values(["0,1", "1,2", "4,5", "9", "16,1", "25", "36"])
        self.key("Enter", "Text7")
        # The result said first, so that the copies' words come after it.
        self.pause(200)
        self.listen()

    def test_the_figure_below_the_form_and_its_copies(self):
        figure = self.figure()
        self.assertEqual((figure["texts"], figure["desc"], figure["copyable"]), ([HINT], HINT, False))
        self.compute_figure()
        figure = self.figure()
        self.assertEqual(figure["curves"], 3)
        self.assertIn("Ergebnis nach der Trapezregel: F = 14770", figure["texts"])
        self.assertIn("Ergebnis nach der Simpson-Regel: F = 14540", figure["texts"])
        self.assertIn("T in °C", figure["texts"])
        self.assertTrue(figure["desc"].startswith("Messwerte über T: -200 °C: 0,1; 0 °C: 1,2;"))
        self.assertEqual(figure["italic"], [])
        self.assertTrue(figure["copyable"])

        # The table and the figure by their keys, each confirmed.
        self.key("Alt+Shift+t")
        self.wait_heard(1)
        table = self.engine.clipboard_text()
        self.assertEqual(table.split("\n")[:2], ["T in °C\tMesswert", "-200\t0,1"])
        self.assertEqual(table.split("\n")[8:], ["Ergebnis nach der Trapezregel\t14770",
                                                 "Ergebnis nach der Simpson-Regel\t14540", ""])
        # Beside it the desktop's HTML, each number's exact value carried for
        # office programs.
        html = self.engine.clipboard_html()
        for shown, value in (("0,1", 0.1), ("14540", 14540.0)):
            # Chromium's clipboard drops x:num, an attribute with a prefix.
            cell = re.search(r'<td sdval="([^"]+)" sdnum="1033;1031;0[,0]*"(?: x:num="\1")?>%s</td>' % re.escape(shown), html)
            self.assertTrue(cell, html)
            self.assertEqual(float(cell.group(1)), value)
        self.key("Alt+Shift+r")
        self.wait_heard(2)
        types, report_html, report_text = self.engine.clipboard_report()
        self.assertEqual(sorted(types), ["text/html", "text/plain"])
        self.assertIn("<td>Ergebnis nach der Simpson-Regel</td>", report_html)
        self.assertRegex(report_html, r'<img src="data:image/png;base64,[A-Za-z0-9+/=]+" alt="Messwerte über T: ')
        self.assertEqual(report_text, table)
        self.key("Alt+Shift+b")
        self.wait_heard(3)
        self.assertEqual(self.heard(), ["Werte und Ergebnis kopiert.", "Bericht kopiert.", "Abbildung kopiert."])
        copied = self.engine.clipboard_figure()
        self.assertEqual(copied[:2], [1280, 800])
        takes_svg = self.js("return typeof ClipboardItem !== 'undefined' && !!ClipboardItem.supports"
                            " && ClipboardItem.supports('image/svg+xml')")
        self.assertEqual(copied[2], 7 if takes_svg else None,
                         "the SVG goes along where the browser takes it, and parses")

        # Outdated exactly when the result is; F9 reaches the figure.
        self.engine.type("Text4", "9")
        self.assertEqual(self.figure()["italic"][-1],
                         "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.")
        # The result and the table copied now say so too.
        for key in ("c", "t"):
            self.engine.set_clipboard("")
            self.key("Alt+Shift+" + key)
            wait(lambda: self.engine.clipboard_text().rstrip("\n").split("\n")[-1]
                 == "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.")
        self.key("F9", "Text4")
        self.assertEqual(self.active(), "Figure")

    def test_the_figure_button_copies_within_its_click(self):
        # The write comes at once, within the click: WebKit refuses one made
        # after the PNG is drawn.
        self.compute_figure()
        self.click("CopyFigure")
        self.wait_heard(1)
        self.assertEqual(self.heard(), ["Abbildung kopiert."])
        self.assertEqual(self.engine.clipboard_figure()[:2], [1280, 800])
        self.click("CopyTable")
        self.wait_heard(2)
        self.assertEqual(self.heard()[1], "Werte und Ergebnis kopiert.")
        self.assertTrue(self.engine.clipboard_text().startswith("T in °C\tMesswert\n"))

    def note(self):
        return self.js("const n = document.getElementById('CopyNote');"
                       "const r = n.getBoundingClientRect();"
                       "return {text: n.textContent, failed: n.classList.contains('failed'),"
                       " shown: r.width > 0 && r.height > 0 && getComputedStyle(n).display !== 'none',"
                       " rect: [r.left, r.top, r.right, r.bottom]}")

    def controls(self):
        return self.js("return [...document.querySelectorAll('#Form1 > :not(#CopyNote)')].map(e => {"
                       " const r = e.getBoundingClientRect(); return [e.id, r.left, r.top, r.right, r.bottom]; })")

    def test_each_copy_is_seen_beside_the_result_box_for_a_moment(self):
        self.compute_figure()
        before = self.controls()
        label = self.rect("Label10")
        for chord, said in (("Alt+Shift+c", "Ergebnis kopiert."), ("Alt+Shift+t", "Werte und Ergebnis kopiert."),
                            ("Alt+Shift+b", "Abbildung kopiert.")):
            with self.subTest(said=said):
                self.key(chord)
                wait(lambda: self.note()["text"] == said, 5, "no note %r" % said)
                note = self.note()
                self.assertTrue(note["shown"])
                self.assertFalse(note["failed"])
                # Just below the result box, over no control, none moved.
                self.assertGreaterEqual(note["rect"][1], label[1] + label[3])
                self.assertLessEqual(note["rect"][1], label[1] + label[3] + 8)
                self.assertGreaterEqual(note["rect"][0], label[0] - 0.5)
                self.assertLessEqual(note["rect"][2], label[0] + label[2] + 0.5)
                for control in before:
                    overlap = (min(note["rect"][2], control[3]) > max(note["rect"][0], control[1])
                               and min(note["rect"][3], control[4]) > max(note["rect"][1], control[2]))
                    self.assertFalse(overlap, control[0])
                self.assertEqual(self.controls(), before)
        self.wait_heard(3)
        self.assertEqual(self.heard(), ["Ergebnis kopiert.", "Werte und Ergebnis kopiert.", "Abbildung kopiert."])
        started = time.monotonic()
        wait(lambda: not self.note()["shown"], 5, "the note stays")
        self.assertGreater(time.monotonic() - started, 1.0)

    def test_a_refused_copy_is_told_with_what_to_do_instead(self):
        self.compute_figure()
        refused = "Nicht kopiert: Der Browser lässt die Zwischenablage nicht zu. "
        # The browser refuses every write, as one does that allows the
        # clipboard to no file:// page.
        self.js("const no = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));"
                "navigator.clipboard.write = no; navigator.clipboard.writeText = no;")
        cases = [("Alt+Shift+b", "Stattdessen „Werte und Ergebnis kopieren“ (Alt+Umschalt+T) nutzen."),
                 ("Alt+Shift+t", "Bitte das Ergebnis markieren und mit Strg+C kopieren."),
                 ("Alt+Shift+c", "Bitte das Ergebnis markieren und mit Strg+C kopieren.")]
        for n, (chord, instead) in enumerate(cases, start=1):
            with self.subTest(chord=chord):
                self.key(chord)
                self.wait_heard(n)
                self.assertEqual(self.heard()[-1], refused + instead)
                note = self.note()
                self.assertEqual((note["text"], note["failed"], note["shown"]), (refused + instead, True, True))
        # A browser without the clipboard API at all (a page from http://).
        self.js("Object.defineProperty(navigator, 'clipboard', {value: undefined, configurable: true})")
        self.click("CopyFigure")
        self.wait_heard(4)
        self.assertEqual(self.heard()[-1], refused + cases[0][1])
        self.assertEqual(self.engine.messages(), [])

    def test_copying_the_whole_result_and_double_clicking_a_number(self):
        self.type_values(["-1e-310", "0", "0", "0", "0", "0", "0"])
        self.click("Command1")
        self.click("Text3")
        self.listen()
        self.key("Alt+Shift+c")
        self.wait_heard(1)
        self.assertEqual(self.engine.clipboard_text(), self.result())
        for number in self.result().split("\n")[1::3]:
            number = number[4:]
            with self.subTest(number=number):
                # The middle of the number's third character.
                at = self.js("const text = document.getElementById('Label10').firstChild;"
                             "const start = text.data.indexOf('F = ' + arguments[0]) + 6;"
                             "const range = document.createRange();"
                             "range.setStart(text, start); range.setEnd(text, start + 1);"
                             "const r = range.getBoundingClientRect();"
                             "return [r.left + r.width / 2, r.top + r.height / 2]", number)
                self.engine.double_click("Label10", at[0], at[1])
                selected = self.js("return window.getSelection().toString()")
                self.assertEqual(selected, number)

    def test_the_layout_is_the_window_definition(self):
        # Twips from the window definition, 15 to the CSS pixel.
        table = {
            "Label1": (2640, 120, 1455, 615), "Command1": (600, 5520, 4455, 615),
            "Label2": (1680, 1080, 1935, 495), "Label10": (4200, 1800, 2415, 2655),
        }
        widths = [1095, 1095, 1215, 1215, 1215, 1335, 1335]
        for k in range(7):
            table["Text%d" % (k + 1)] = (2040, 1680 + 480 * k, 1215, 285)
            table["Label%d" % (k + 3)] = (600, 1680 + 480 * k, widths[k], 255)
        form = self.rect("Form1")
        self.assertEqual(form[2:], [464, 442])
        for name, twips in table.items():
            with self.subTest(name=name):
                rect = self.rect(name)
                placed = (rect[0] - form[0], rect[1] - form[1], rect[2], rect[3])
                self.assertEqual(placed, tuple(t // 15 for t in twips))
        captions = self.js("return [...Array(7).keys()].map(k => document.getElementById('Label' + (k + 3)).textContent)")
        self.assertEqual(captions, ["T = -200 °C", "T = 0 °C", "T = 200 °C", "T = 400 °C",
                                    "T = 600 °C", "T = 800 °C", "T = 1000 °C"])
        labelled = self.js("return [...Array(7).keys()].map(k => document.getElementById('Text' + (k + 1))"
                           ".labels[0].id)")
        self.assertEqual(labelled, ["Label%d" % n for n in range(3, 10)])

    def result_lines(self):
        """How the result box lays its text out: each line of the text with
        the number of lines it takes, the box's lines in all, and whether
        any of it is cut."""
        return self.js(
            "const box = document.getElementById('Label10');"
            "const text = box.firstChild;"
            "const tops = new Set();"
            "const lines = [];"
            "let at = 0;"
            "for (const line of text.data.split('\\n')) {"
            "  const range = document.createRange();"
            "  range.setStart(text, at); range.setEnd(text, at + line.length);"
            "  const own = new Set([...range.getClientRects()].filter(r => r.width > 0).map(r => Math.round(r.top)));"
            "  own.forEach(t => tops.add(t));"
            "  lines.push([line, own.size]);"
            "  at += line.length + 1;"
            "}"
            "const range = document.createRange(); range.selectNodeContents(box);"
            "const all = range.getBoundingClientRect(), inside = box.getBoundingClientRect();"
            "const lineHeight = [...range.getClientRects()].filter(r => r.width > 0)[0].height;"
            "return {lines, rows: Math.round(all.height / lineHeight),"
            "        cut: all.right > inside.right + 0.5 || all.bottom > inside.bottom + 0.5}")

    def assert_five_lines(self):
        laid = self.result_lines()
        for line, rows in laid["lines"]:
            self.assertEqual(rows, 1 if line else 0, "%r takes %d lines" % (line, rows))
        self.assertEqual(laid["rows"], 5)
        self.assertFalse(laid["cut"])

    def test_the_longest_result_takes_five_lines_none_broken(self):
        # The widest line is "Ergebnis nach der Simpson-Regel:"; the widest
        # numbers are the largest, negative, with an exponent.
        for values in (["1,5", "2", "3", "4", "5", "6", "7"],
                       ["-1,23456789012345E+300"] + ["0"] * 6):
            for width in (None, 360):
                with self.subTest(values=values, width=width):
                    if width:
                        self.assertEqual(self.engine.viewport(width, 740), width)
                    self.type_values(values)
                    self.click("Command1")
                    self.assertIsNone(self.box())
                    self.assertEqual(self.result().count("\n"), 4)
                    self.assert_five_lines()

    def test_hostile_input_is_shown_as_text(self):
        hostile = '<img src=x onerror="document.title=1">'
        self.type_values(["1", hostile, "1", "1", "1", "1", "1"])
        self.click("Command1")
        self.assertIn("„<img src=x onerror", self.box())
        self.assertEqual(self.js("return document.querySelectorAll('#Box img, #Form1 img').length"), 0)
        self.close_box()
        self.assertEqual(self.js("return document.title"), "Velmora")

    def assert_no_request(self):
        """No request but the page: by the engine's own record where it
        keeps one, and by the page's resource timing in every engine."""
        requests = self.engine.requests()
        if requests is not None:
            # data: and blob: URLs are bytes the page or the browser has.
            self.assertEqual([u for u in requests if u != URL and not u.startswith(("data:", "blob:"))], [])
        self.assertEqual(self.js("return performance.getEntriesByType('resource').map(e => e.name)"), [])

    def test_no_request_no_storage_no_console_message(self):
        self.type_values(["1"] * 7)
        self.click("Command1")
        self.engine.type("Text2", "x")
        self.click("Command1")
        self.close_box()
        self.assert_no_request()
        stored = self.js("return [localStorage.length, sessionStorage.length, document.cookie]")
        self.assertEqual(stored, [0, 0, ""])
        self.assertEqual(self.engine.messages(), [])
        policy = self.js("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
        self.assertIn("default-src 'none'", policy)

    def test_about_velmora_on_its_key(self):
        self.key("Alt+Shift+v")
        about = self.js("const d = document.getElementById('About');"
                        "return [d.open, document.getElementById('AboutText').textContent, d.textContent]")
        self.assertTrue(about[0])
        for says in ("Velmora 1.0.0", "© 2026 Velmora-Projekt", "GPL-3.0-or-later",
                     "ohne jede Gewährleistung", "velmora-1.0.0-source.tar.gz"):
            self.assertIn(says, about[1])
        for says in ("musl", "fast_float", "Emscripten", "GNU GENERAL PUBLIC LICENSE",
                     "Version 3, 29 June 2007"):
            self.assertIn(says, about[2])
        # Debian's copyright files read as text, not as the files they are.
        self.assertIn("fast_float\n  Lizenz: Expat or Apache\n  Copyright: ", about[2])
        for raw in ("Format: https://", "Files: ", "\n .\n"):
            self.assertNotIn(raw, about[2])
        self.click("AboutClose")
        self.assert_focus_moves_to("Command1")
        self.assert_no_request()

    def axe(self):
        return self.js("return axe.run(document).then(r => r.violations.map("
                       "v => v.id + ': ' + v.nodes.map(n => n.target).join(' ')))")

    def test_axe_finds_no_violation(self):
        with open(AXE, encoding="utf-8") as f:
            self.js(f.read() + "\nwindow.axe = axe;")
        for state in ("empty", "result", "outdated"):
            with self.subTest(state=state):
                if state == "result":
                    self.type_values(["1"] * 7)
                    self.click("Command1")
                elif state == "outdated":
                    self.engine.type("Text1", "0")
                self.assertEqual(self.axe(), [])
        self.type_values(["1", "x", "1", "1", "1", "1", "1"])
        self.click("Command1")
        self.assertEqual(self.axe(), [])
        self.close_box()
        self.js("document.getElementById('About').showModal()")
        self.assertEqual(self.axe(), [])

    def assert_fits(self, width):
        """The whole form, the figure and its texts within WIDTH, nothing to
        scroll sideways, the form's proportions and order kept."""
        self.assertEqual(self.engine.viewport(width, 740), width,
                         "the page is not as wide as asked for")
        self.engine.load()
        laid = self.js(
            "const html = document.documentElement;"
            "const rect = (id) => { const r = document.getElementById(id).getBoundingClientRect();"
            "  return [r.left, r.top, r.right, r.bottom]; };"
            "const svg = document.querySelector('#Figure svg');"
            "const box = svg.getBoundingClientRect();"
            "return {scroll: html.scrollWidth, client: html.clientWidth, inner: innerWidth,"
            " form: rect('Form1'), result: rect('Label10'), button: rect('Command1'),"
            " text7: rect('Text7'), figure: [box.left, box.top, box.right, box.bottom],"
            " texts: [...svg.querySelectorAll('text')].map(t => { const r = t.getBoundingClientRect();"
            "   return [t.textContent, r.left, r.right]; }),"
            " order: [...document.querySelectorAll('#Form1 input, #Form1 button')].map(e => e.id)}")
        client = laid["client"]
        self.assertLessEqual(laid["scroll"], client, "a sideways scroll")
        self.assertLessEqual(laid["form"][2], client + 0.01)
        self.assertLessEqual(laid["result"][2], client + 0.01, "the result box is cut")
        self.assertGreaterEqual(laid["form"][0], 0)
        scale = (laid["form"][2] - laid["form"][0]) / 464
        self.assertAlmostEqual((laid["form"][3] - laid["form"][1]) / 442, scale, 2, "proportions")
        self.assertAlmostEqual((laid["button"][2] - laid["button"][0]) / 297, scale, 2)
        self.assertGreater(scale, (client - 1) / 464, "the form fills the width")
        self.assertEqual(laid["order"], ["Command1"] + ["Text%d" % n for n in range(1, 8)])
        # The figure lies below the fields, as wide as the screen.
        self.assertGreaterEqual(laid["figure"][1], laid["text7"][3])
        self.assertLessEqual(laid["figure"][2], client + 0.01)
        for text, left, right in laid["texts"]:
            self.assertGreaterEqual(left, laid["figure"][0] - 0.5, text)
            self.assertLessEqual(right, laid["figure"][2] + 0.5, text)
        return laid

    def test_a_phone_sees_the_whole_form_without_scrolling_sideways(self):
        for width in (360, 320):
            with self.subTest(width=width):
                laid = self.assert_fits(width)
                outcomes.setdefault("notes", {})["scrollbar at %d px" % width] = width - laid["client"]
                self.assertEqual(self.figure()["texts"], [HINT])
                self.type_values(["0,1", "1,2", "4,5", "9", "16,1", "25", "36"])
                self.click("Command1")
                self.engine.type("Text4", "9")
                self.assert_five_lines()
                laid = self.js("const svg = document.querySelector('#Figure svg'), b = svg.getBoundingClientRect();"
                               "return [...svg.querySelectorAll('text')].filter(t => {"
                               " const r = t.getBoundingClientRect(); return r.left < b.left - 0.5 || r.right > b.right + 0.5;"
                               "}).map(t => t.textContent)")
                self.assertEqual(laid, [], "figure texts cut with an outdated result")
        # What a phone shows: the values typed, the result, and the figure.
        self.engine.viewport(360, 740)
        self.engine.load()
        self.type_values(["0,1", "1,2", "4,5", "9", "16,1", "25", "36"])
        self.click("Command1")
        self.js("window.scrollTo(0, 0)")
        self.engine.screenshot(os.path.join(os.path.dirname(PAGE), "web-360-%s.png" % ENGINE))

    @not_in("firefox", "webkit", reason="Chromium's emulation hides the scrollbars as overlay ones "
            "do; Firefox and WebKit run with classic ones")
    def test_a_phone_with_overlay_scrollbars(self):
        self.engine.driver.execute_cdp_cmd("Emulation.setScrollbarsHidden", {"hidden": True})
        try:
            for width in (360, 320):
                with self.subTest(width=width):
                    laid = self.assert_fits(width)
                    self.assertEqual(laid["client"], width)
        finally:
            self.engine.driver.execute_cdp_cmd("Emulation.setScrollbarsHidden", {"hidden": False})

    def test_the_hint_fits_at_every_width_the_page_allows(self):
        for width in (1024, 640, 480, 360, 320, 256, 200):
            with self.subTest(width=width):
                self.assertEqual(self.engine.viewport(width, 740), width)
                self.engine.load()
                texts = self.js(
                    "const svg = document.querySelector('#Figure svg'), b = svg.getBoundingClientRect();"
                    "return [...svg.querySelectorAll('text')].map(t => { const r = t.getBoundingClientRect();"
                    " return [t.textContent, r.left >= b.left - 0.5 && r.right <= b.right + 0.5,"
                    " parseFloat(getComputedStyle(t).fontSize) * b.width / svg.viewBox.baseVal.width]; })")
                self.assertEqual([t[:2] for t in texts], [[HINT, True]])
                self.assertGreaterEqual(texts[0][2], 9, "the hint is readable")


class Outcomes(unittest.TextTestResult):
    """Each check's outcome, for BUILD/web-ENGINE.json."""

    def record(self, test, outcome):
        outcomes.setdefault("checks", {})[test.id().split(".")[-1]] = outcome

    def addSuccess(self, test):
        super().addSuccess(test)
        if test.id().split(".")[-1] not in outcomes.get("checks", {}):
            self.record(test, "ok")

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self.record(test, "FAILED")

    def addError(self, test, err):
        super().addError(test, err)
        self.record(test, "FAILED")

    def addSubTest(self, test, subtest, err):
        super().addSubTest(test, subtest, err)
        if err is not None:
            self.record(test, "FAILED")

    def addSkip(self, test, reason):
        super().addSkip(test, reason)
        self.record(test, "n/a: " + reason)


if __name__ == "__main__":
    program = unittest.main(verbosity=2, exit=False,
                            testRunner=unittest.TextTestRunner(resultclass=Outcomes, verbosity=2))
    if engine is not None:
        outcomes["version"] = engine.version
        engine.quit()
    outcomes["engine"] = ENGINE
    with open(os.path.join(os.path.dirname(PAGE), "web-%s.json" % ENGINE), "w", encoding="utf-8") as f:
        json.dump(outcomes, f, ensure_ascii=False, indent=1)
    sys.exit(not program.result.wasSuccessful())
