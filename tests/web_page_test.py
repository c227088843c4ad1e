#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""velmora.html in a real browser: Debian's headless Chromium, driven through
WebDriver. It loads the page from file://, as a student who got it by e-mail
would, and checks what the desktop window's tests check: results, each box
and where the focus goes after it, the outdated mark, the keyboard, copying,
the layout, no network request, nothing stored, hostile input shown as text,
a phone's narrow screen, and axe-core's accessibility rules.

    web_page_test.py BUILD/velmora.html
axe-core comes from AXE_CORE (axe.min.js), which scripts/web installs.
"""
import json
import os
import re
import sys
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

PAGE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else ""
AXE = os.environ.get("AXE_CORE", "/var/cache/velmora/npm/node_modules/axe-core/axe.min.js")

FIVE_LINES = (" Ergebnis nach der Trapezregel:\nF = %s\n\nErgebnis nach der Simpson-Regel:\nF = %s")
OUTDATED = "Ergebnis (gehört nicht zu den aktuellen Werten)"


def browser(width=800, height=600):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--window-size=%d,%d" % (width, height)):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Browser.grantPermissions", {
        "origin": "file://", "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    return driver


class Page(unittest.TestCase):
    driver = None

    @classmethod
    def setUpClass(cls):
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.driver.get("file://" + PAGE)
        WebDriverWait(self.driver, 10).until(lambda d: self.element("Command1").is_enabled())

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def active(self):
        return self.driver.execute_script("return document.activeElement.id")

    def type_values(self, values):
        for n, value in enumerate(values, start=1):
            field = self.element("Text%d" % n)
            field.clear()
            field.send_keys(value)

    def result(self):
        return self.driver.execute_script("return document.getElementById('Label10').textContent")

    def description(self):
        return self.driver.execute_script(
            "return document.getElementById('ResultDescription').textContent")

    def box(self):
        """The open box's text, or None."""
        return self.driver.execute_script(
            "const box = document.getElementById('Box');"
            "return box.open ? document.getElementById('BoxText').textContent : null")

    def close_box(self):
        self.element("BoxOk").click()
        WebDriverWait(self.driver, 5).until(lambda d: self.box() is None)

    def assert_focus_moves_to(self, name):
        """The focus goes where the click rules say once the box's close
        event has run, which the browser queues after the box is closed."""
        try:
            WebDriverWait(self.driver, 5).until(lambda d: self.active() == name)
        except TimeoutException:
            pass
        self.assertEqual(self.active(), name)

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
                self.element("Command1").click()
                self.assertIsNone(self.box())
                self.assertEqual(self.result(), expected)
                self.assertEqual(self.description(), "Ergebnis")
        self.element("Text4").send_keys(Keys.RETURN)
        self.assertEqual(self.result(), expected)
        self.assertEqual(self.active(), "Text4")

    def test_each_box_and_where_the_focus_goes(self):
        ones = ["1"] * 7
        cases = [
            # field, text, box, focus afterwards
            (1, "abc", "Wert ist keine Zahl!", "Text1"),
            (1, "", "Wert ist keine Zahl!", "Text1"),
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
                self.element("Command1").click()
                values = list(ones)
                values[field - 1] = text
                self.type_values(values)
                if text == "1e308":
                    self.element("Text1").clear()
                    self.element("Text1").send_keys("1e308")
                self.element("Command1").click()
                self.assertEqual(self.box(), message)
                # Outdated before the box is closed.
                self.assertEqual(self.description(), OUTDATED)
                title = self.driver.execute_script(
                    "const box = document.getElementById('Box');"
                    "return [box.getAttribute('role'), document.getElementById('BoxTitle')"
                    ".textContent, document.activeElement.id]")
                self.assertEqual(title, ["alertdialog", "Velmora", "BoxOk"])
                self.close_box()
                self.assert_focus_moves_to(focus)
                if focus.startswith("Text"):
                    selected = self.driver.execute_script(
                        "const f = document.activeElement;"
                        "return f.value.substring(f.selectionStart, f.selectionEnd)")
                    self.assertEqual(selected, self.element(focus).get_attribute("value"))
                self.assertEqual(self.result(), FIVE_LINES % ("1200", "1200"))
                self.assertIn("outdated", self.element("Label10").get_attribute("class"))

    def test_one_box_names_every_field_without_a_number(self):
        self.type_values(["1", "1.234", "2,5", "2.345", "", "4", "x"])
        self.element("Command1").click()
        self.assertTrue(self.box().endswith(
            "\nAuch die Felder „T = 400 °C“, „T = 600 °C“ und „T = 1000 °C“ enthalten keine "
            "Zahl."), self.box())
        self.close_box()
        self.assert_focus_moves_to("Text2")

    def test_an_edited_field_leaves_the_result_outdated(self):
        self.type_values(["1"] * 7)
        self.element("Command1").click()
        self.assertEqual(self.description(), "Ergebnis")
        self.element("Text5").send_keys("0")
        self.assertEqual(self.description(), OUTDATED)
        style = self.driver.execute_script(
            "return getComputedStyle(document.getElementById('Label10')).fontStyle")
        self.assertEqual(style, "italic")
        self.element("Command1").click()
        self.assertEqual(self.description(), "Ergebnis")

    def test_the_keyboard(self):
        self.assertEqual(self.active(), "Command1")
        walk = ["Text%d" % n for n in range(1, 8)]
        for expected in walk:
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
            self.assertEqual(self.active(), expected)
        # After Text7 the keyboard goes on to the browser: the page keeps no trap.
        self.driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertNotIn(self.active(), walk + ["Command1"])
        self.type_values(["1"] * 7)
        for key in (Keys.RETURN, Keys.SPACE):
            with self.subTest(key=repr(key)):
                self.driver.execute_script(
                    "document.getElementById('Label10').textContent = ''")
                self.element("Command1").send_keys(key)
                self.assertEqual(self.result(), FIVE_LINES % ("1200", "1200"))

    def heard(self):
        """Every text the announcer has said since the page started."""
        return self.driver.execute_script("return window.heard")

    def test_screen_readers_hear_each_change_once_and_f8_reaches_the_result(self):
        self.driver.execute_script(
            "window.heard = [];"
            "new MutationObserver(() => { const t = document.getElementById('Announcer').textContent;"
            "  if (t !== '') window.heard.push(t); })"
            ".observe(document.getElementById('Announcer'), {childList: true, subTree: true,"
            " characterData: true});")
        WebDriverWait(self.driver, 5).until(lambda d: self.heard())
        self.assertEqual(self.heard(), ["Lösung für Aufgabe 5"])
        wait_for = lambda count: WebDriverWait(self.driver, 5).until(
            lambda d: len(self.heard()) >= count)
        result = ("Ergebnis nach der Trapezregel: F = 4850; "
                  "Ergebnis nach der Simpson-Regel: F = 4833,33333333333")
        outdated = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten."
        self.type_values(["1,5", "2", "3", "4", "5", "6", "7"])
        self.element("Command1").click()
        wait_for(2)
        ActionChains(self.driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("c") \
            .key_up(Keys.SHIFT).key_up(Keys.ALT).perform()
        wait_for(3)
        self.element("Text2").send_keys("9")
        wait_for(4)
        self.element("Text2").send_keys("9")
        self.element("Text3").clear()
        self.element("Text3").send_keys("abc")
        self.element("Command1").click()
        self.assertIsNotNone(self.box())
        self.driver.execute_script("return new Promise(r => setTimeout(r, 200))")
        self.assertEqual(self.heard(), ["Lösung für Aufgabe 5", result, "Ergebnis kopiert.", outdated])
        self.close_box()
        self.type_values(["1,5", "2", "3", "4", "5", "6", "7"])
        self.element("Command1").click()
        wait_for(5)
        self.assertEqual(self.heard()[4], result, "the same result again is said again")
        self.element("Text3").clear()
        self.element("Text3").send_keys("abc")
        wait_for(6)
        self.element("Command1").click()
        self.close_box()
        self.assert_focus_moves_to("Text3")
        self.driver.execute_script("return new Promise(r => setTimeout(r, 200))")
        self.assertEqual(self.heard()[5:], [outdated], "an outdated result is said once")

        # A result that comes with a box (Simpson's overflows): said once the
        # box is closed, never under it.
        self.type_values(["0", "7,5e305", "0", "0", "0", "0", "0"])
        self.element("Command1").click()
        self.driver.execute_script("return new Promise(r => setTimeout(r, 200))")
        self.assertIsNotNone(self.box())
        self.assertEqual(len(self.heard()), 6)
        self.close_box()
        wait_for(7)
        self.assertEqual(self.heard()[6], "Ergebnis nach der Trapezregel: F = 1,5E+308")

        # F8 from a field and from the button puts the focus on the result box.
        for start in ("Text5", "Command1"):
            with self.subTest(start=start):
                self.element(start).send_keys(Keys.F8)
                self.assertEqual(self.active(), "Label10")

    def paste_into(self, name, text):
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self.element(name).click()
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()

    def values(self):
        return self.driver.execute_script(
            "return [...Array(7).keys()].map(k => document.getElementById('Text' + (k + 1)).value)")

    def test_pasting_several_readings_fills_the_fields_below(self):
        before = ["a", "b", "c", "d", "e", "f", "g"]
        self.type_values(before)
        self.paste_into("Text2", "1,5\r\n\r\n3\r\n")
        self.assertEqual(self.values(), ["a", "1,5", "", "3", "e", "f", "g"])
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("z").key_up(Keys.CONTROL).perform()
        self.assertEqual(self.values(), before)
        # The temperatures beside the values; then Return gives the result.
        self.paste_into("Text1", "".join("%d\t%s\n" % (t, v) for t, v in
                                          zip(range(-200, 1001, 200), ["1,5", "2", "3", "4", "5", "6", "7"])))
        self.assertEqual(self.values(), ["1,5", "2", "3", "4", "5", "6", "7"])
        self.element("Text1").send_keys(Keys.RETURN)
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
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", "Messwert\n1\n2\n")
        self.driver.execute_script("document.getElementById('Command1').focus()")
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()
        self.assertEqual(self.values(), ["1", "2", "", "", "", "", ""])
        self.assertEqual(self.active(), "Text1")

    def figure(self):
        """The figure's curves, texts and text alternative, as the page shows it."""
        return self.driver.execute_script(
            "const svg = document.querySelector('#Figure svg');"
            "return {curves: [...svg.querySelectorAll('path')].map(p => p.getAttribute('d'))"
            "                 .join(' ').split('Q').length - 1,"
            "        texts: [...svg.querySelectorAll('text')].map(t => t.textContent),"
            "        italic: [...svg.querySelectorAll('text[font-style=italic]')].map(t => t.textContent),"
            "        desc: svg.querySelector('desc').textContent,"
            "        copyable: !document.getElementById('CopyFigure').disabled}")

    def alt_shift(self, key):
        ActionChains(self.driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys(key) \
            .key_up(Keys.SHIFT).key_up(Keys.ALT).perform()

    def test_the_figure_below_the_form_and_its_copies(self):
        hint = "Noch kein Ergebnis: Werte eingeben und „Starte Berechnung“ drücken."
        figure = self.figure()
        self.assertEqual((figure["texts"], figure["desc"], figure["copyable"]), ([hint], hint, False))
        self.type_values(["0,1", "1,2", "4,5", "9", "16,1", "25", "36"])
        self.element("Text7").send_keys(Keys.RETURN)
        figure = self.figure()
        self.assertEqual(figure["curves"], 3)
        self.assertIn("Ergebnis nach der Trapezregel: F = 14770", figure["texts"])
        self.assertIn("Ergebnis nach der Simpson-Regel: F = 14540", figure["texts"])
        self.assertIn("T in °C", figure["texts"])
        self.assertTrue(figure["desc"].startswith("Messwerte über T: -200 °C: 0,1; 0 °C: 1,2;"))
        self.assertEqual(figure["italic"], [])
        self.assertTrue(figure["copyable"])

        # The table and the figure by their keys, each confirmed (once the
        # result has been said).
        self.driver.execute_script("return new Promise(r => setTimeout(r, 200))")
        self.driver.execute_script("window.heard = [];"
            "new MutationObserver(() => { const t = document.getElementById('Announcer').textContent;"
            "  if (t !== '') window.heard.push(t); })"
            ".observe(document.getElementById('Announcer'), {childList: true, characterData: true,"
            " subtree: true});")
        self.alt_shift("t")
        WebDriverWait(self.driver, 5).until(lambda d: self.heard())
        table = self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")
        self.assertEqual(table.split("\n")[:2], ["T in °C\tMesswert", "-200\t0,1"])
        self.assertEqual(table.split("\n")[8:], ["Ergebnis nach der Trapezregel\t14770",
                                                 "Ergebnis nach der Simpson-Regel\t14540", ""])
        # Beside it the desktop's HTML, each number's exact value carried for
        # office programs.
        html = self.driver.execute_async_script(
            "const done = arguments[0];"
            "navigator.clipboard.read().then(async (items) =>"
            "  done(await (await items[0].getType('text/html')).text()), (error) => done(String(error)))")
        for shown, value in (("0,1", 0.1), ("14540", 14540.0)):
            # Chromium's clipboard drops x:num, an attribute with a prefix.
            cell = re.search(r'<td sdval="([^"]+)" sdnum="1033;1031;0[,0]*"(?: x:num="\1")?>%s</td>' % shown, html)
            self.assertTrue(cell, html)
            self.assertEqual(float(cell.group(1)), value)
        self.alt_shift("r")
        WebDriverWait(self.driver, 5).until(lambda d: len(self.heard()) >= 2)
        report = self.driver.execute_async_script(
            "const done = arguments[0];"
            "navigator.clipboard.read().then(async (items) => done([items[0].types,"
            "  await (await items[0].getType('text/html')).text(),"
            "  await (await items[0].getType('text/plain')).text()]), (error) => done(String(error)))")
        self.assertEqual(sorted(report[0]), ["text/html", "text/plain"])
        self.assertIn("<td>Ergebnis nach der Simpson-Regel</td>", report[1])
        self.assertRegex(report[1], r'<img src="data:image/png;base64,[A-Za-z0-9+/=]+" alt="Messwerte über T: ')
        self.assertEqual(report[2], table)
        self.alt_shift("b")
        WebDriverWait(self.driver, 5).until(lambda d: len(self.heard()) >= 3)
        self.assertEqual(self.heard(), ["Werte und Ergebnis kopiert.", "Bericht kopiert.", "Abbildung kopiert."])
        copied = self.driver.execute_async_script(
            "const done = arguments[0];"
            "navigator.clipboard.read().then(async (items) => {"
            "  const png = await items[0].getType('image/png');"
            "  const image = await createImageBitmap(png);"
            "  let svg = null;"
            "  if (items[0].types.includes('image/svg+xml')) {"
            "    const text = await (await items[0].getType('image/svg+xml')).text();"
            "    const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');"
            "    svg = parsed.querySelector('parsererror') ? 'broken' : parsed.querySelectorAll('circle').length;"
            "  }"
            "  done([image.width, image.height, svg]);"
            "}, (error) => done(String(error)))")
        self.assertEqual(copied[:2], [1280, 800])
        takes_svg = self.driver.execute_script(
            "return !!(ClipboardItem.supports && ClipboardItem.supports('image/svg+xml'))")
        self.assertEqual(copied[2], 7 if takes_svg else None,
                         "the SVG goes along where the browser takes it, and parses")

        # Outdated exactly when the result is; F9 reaches the figure.
        self.element("Text4").send_keys("9")
        self.assertEqual(self.figure()["italic"][-1],
                         "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.")
        # The result and the table copied now say so too.
        last_line = lambda d: (d.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], () => arguments[0](''))")
            .rstrip("\n").split("\n")[-1])
        for key in ("c", "t"):
            self.driver.execute_async_script("navigator.clipboard.writeText('').then(arguments[0])")
            self.alt_shift(key)
            WebDriverWait(self.driver, 5).until(
                lambda d: last_line(d) == "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.")
        self.element("Text4").send_keys(Keys.F9)
        self.assertEqual(self.active(), "Figure")

    def test_copying_the_whole_result_and_double_clicking_a_number(self):
        self.type_values(["-1e-310", "0", "0", "0", "0", "0", "0"])
        self.element("Command1").click()
        self.element("Text3").click()
        ActionChains(self.driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("c") \
            .key_up(Keys.SHIFT).key_up(Keys.ALT).perform()
        copied = self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")
        self.assertEqual(copied, self.result())
        for number in self.result().split("\n")[1::3]:
            number = number[4:]
            with self.subTest(number=number):
                # The middle of the number's third character.
                at = self.driver.execute_script(
                    "const text = document.getElementById('Label10').firstChild;"
                    "const start = text.data.indexOf('F = ' + arguments[0]) + 6;"
                    "const range = document.createRange();"
                    "range.setStart(text, start); range.setEnd(text, start + 1);"
                    "const r = range.getBoundingClientRect();"
                    "return [r.left + r.width / 2, r.top + r.height / 2]", number)
                ActionChains(self.driver).move_to_element_with_offset(
                    self.element("Label10"), 0, 0).perform()
                box = self.element("Label10").rect
                ActionChains(self.driver).move_to_element_with_offset(
                    self.element("Label10"), at[0] - box["x"] - box["width"] / 2,
                    at[1] - box["y"] - box["height"] / 2).double_click().perform()
                selected = self.driver.execute_script("return window.getSelection().toString()")
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
        form = self.element("Form1").rect
        self.assertEqual((form["width"], form["height"]), (464, 442))
        for name, twips in table.items():
            with self.subTest(name=name):
                rect = self.element(name).rect
                placed = (rect["x"] - form["x"], rect["y"] - form["y"], rect["width"],
                          rect["height"])
                self.assertEqual(placed, tuple(t // 15 for t in twips))
        captions = [self.element("Label%d" % n).text for n in range(3, 10)]
        self.assertEqual(captions, ["T = -200 °C", "T = 0 °C", "T = 200 °C", "T = 400 °C",
                                    "T = 600 °C", "T = 800 °C", "T = 1000 °C"])
        labelled = self.driver.execute_script(
            "return [...Array(7).keys()].map(k => document.getElementById('Text' + (k + 1))"
            ".labels[0].id)")
        self.assertEqual(labelled, ["Label%d" % n for n in range(3, 10)])

    def test_hostile_input_is_shown_as_text(self):
        hostile = '<img src=x onerror="document.title=1">'
        self.type_values(["1", hostile, "1", "1", "1", "1", "1"])
        self.element("Command1").click()
        self.assertIn("„<img src=x onerror", self.box())
        self.assertEqual(self.driver.execute_script(
            "return document.querySelectorAll('#Box img, #Form1 img').length"), 0)
        self.close_box()
        self.assertEqual(self.driver.title, "Velmora")

    def test_no_request_no_storage_no_console_message(self):
        self.type_values(["1"] * 7)
        self.element("Command1").click()
        self.element("Text2").send_keys("x")
        self.element("Command1").click()
        self.close_box()
        requests = [json.loads(entry["message"])["message"]
                    for entry in self.driver.get_log("performance")]
        urls = [r["params"]["request"]["url"] for r in requests
                if r["method"] == "Network.requestWillBeSent"]
        self.assertEqual([u for u in urls if u != "file://" + PAGE], [])
        stored = self.driver.execute_script(
            "return [localStorage.length, sessionStorage.length, document.cookie]")
        self.assertEqual(stored, [0, 0, ""])
        self.assertEqual([e["message"] for e in self.driver.get_log("browser")], [])
        policy = self.driver.execute_script(
            "return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
        self.assertIn("default-src 'none'", policy)

    def test_about_velmora_on_its_key(self):
        ActionChains(self.driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("v") \
            .key_up(Keys.SHIFT).key_up(Keys.ALT).perform()
        about = self.driver.execute_script(
            "const d = document.getElementById('About');"
            "return [d.open, document.getElementById('AboutText').textContent, d.textContent]")
        self.assertTrue(about[0])
        for says in ("Velmora 1.0.0", "© 2026 Velmora-Projekt", "GPL-3.0-or-later",
                     "ohne jede Gewährleistung", "velmora-1.0.0-source.tar.gz"):
            self.assertIn(says, about[1])
        for says in ("musl", "fast_float", "Emscripten", "GNU GENERAL PUBLIC LICENSE",
                     "Version 3, 29 June 2007"):
            self.assertIn(says, about[2])
        self.element("AboutClose").click()
        self.assertEqual(self.active(), "Command1")
        requests = [json.loads(entry["message"])["message"]
                    for entry in self.driver.get_log("performance")]
        self.assertEqual([r["params"]["request"]["url"] for r in requests
                          if r["method"] == "Network.requestWillBeSent"
                          and r["params"]["request"]["url"] != "file://" + PAGE], [])

    def test_axe_finds_no_violation(self):
        with open(AXE, encoding="utf-8") as f:
            self.driver.execute_script(f.read())
        for state in ("empty", "result", "outdated"):
            with self.subTest(state=state):
                if state == "result":
                    self.type_values(["1"] * 7)
                    self.element("Command1").click()
                elif state == "outdated":
                    self.element("Text1").send_keys("0")
                violations = self.driver.execute_async_script(
                    "axe.run(document).then(r => arguments[0](r.violations.map("
                    "v => v.id + ': ' + v.nodes.map(n => n.target).join(' '))))")
                self.assertEqual(violations, [])
        self.type_values(["1", "x", "1", "1", "1", "1", "1"])
        self.element("Command1").click()
        violations = self.driver.execute_async_script(
            "axe.run(document).then(r => arguments[0](r.violations.map(v => v.id)))")
        self.assertEqual(violations, [])
        self.close_box()
        self.driver.execute_script("document.getElementById('About').showModal()")
        violations = self.driver.execute_async_script(
            "axe.run(document).then(r => arguments[0](r.violations.map(v => v.id)))")
        self.assertEqual(violations, [])


class NarrowScreen(unittest.TestCase):
    def test_a_phone_sees_the_whole_form_without_scrolling_sideways(self):
        driver = browser(360, 740)
        try:
            driver.get("file://" + PAGE)
            WebDriverWait(driver, 10).until(
                lambda d: d.find_element(By.ID, "Command1").is_enabled())
            widths = driver.execute_script(
                "const r = document.getElementById('Form1').getBoundingClientRect();"
                "return [document.documentElement.scrollWidth,"
                " document.documentElement.clientWidth, r.right]")
            self.assertLessEqual(widths[0], widths[1])
            self.assertLessEqual(widths[2], widths[1])
            # The figure lies below the fields, as wide as the screen.
            figure = driver.execute_script(
                "const f = document.querySelector('#Figure svg').getBoundingClientRect();"
                "const t = document.getElementById('Text7').getBoundingClientRect();"
                "return [f.top >= t.bottom, f.right <= document.documentElement.clientWidth]")
            self.assertEqual(figure, [True, True])
        finally:
            driver.quit()


if __name__ == "__main__":
    unittest.main(verbosity=2)
