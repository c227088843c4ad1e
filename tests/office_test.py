#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Velmora's copies in Debian's LibreOffice, with the very bytes that the
window puts on a real X server's clipboard (tests/office_copies.cpp drives
the window; xclip reads the clipboard as any other program would).

    office_test.py OFFICE_COPIES WORK_DIR calc|writer

calc: the table copy's HTML, through Calc's HTML import under en_US and
de_DE: every number arrives as a number, equal to Velmora's to the 15
digits that ODF's office:value holds, and the HTML's own sdval reads back as
the very same double.

writer: the report copy's HTML through Writer's HTML import: a table with the
numbers and the figure embedded, 16 cm wide; the figure copy's PNG declares
8000 dots per metre, so Writer makes it 16 cm wide too.

LibreOffice runs with a private profile and without network (a network
namespace of its own); en_US.UTF-8 and de_DE.UTF-8 are made in WORK_DIR
where the system has not got them.
"""
import base64
import decimal
import html.parser
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

OFFICE_COPIES, WORK, PART = sys.argv[1:4]
del sys.argv[1:4]

LOCALES = ("en_US.UTF-8", "de_DE.UTF-8")
NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}
TEMPERATURES = [-200.0 + 200 * k for k in range(7)]
OUTDATED = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten."


def locale_environment():
    """LC_ALL and LANG for each locale, with LOCPATH where they had to be
    made here."""
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    environment = {}
    if not all(name.replace("UTF-8", "utf8") in have for name in LOCALES):
        path = os.path.join(WORK, "locales")
        for name in LOCALES:
            if not os.path.isdir(os.path.join(path, name)):
                os.makedirs(path, exist_ok=True)
                subprocess.run(["localedef", "-i", name.split(".")[0], "-f", "UTF-8",
                                os.path.join(path, name)], check=True)
        environment["LOCPATH"] = path
    return environment


def isolated():
    """The command prefix that cuts a program off the network."""
    for prefix in (["unshare", "--net"], ["unshare", "--map-root-user", "--net"]):
        if subprocess.run(prefix + ["true"], capture_output=True).returncode == 0:
            return prefix
    raise unittest.SkipTest("no network namespace for LibreOffice (unshare)")


def soffice(locale, profile, arguments):
    """LibreOffice, headless, in `locale` with the private `profile`."""
    environment = dict(os.environ, LC_ALL=locale, LANG=locale, LANGUAGE="", **locale_environment())
    subprocess.run(isolated() + ["soffice", "-env:UserInstallation=file://" + profile,
                                 "--headless", "--norestore", "--nologo"] + arguments,
                   env=environment, check=True, capture_output=True, timeout=180)


def exact(value):
    """A double's bits, which tell every double (and 0 from -0) apart."""
    return struct.pack("<d", value)


def fifteen_digits(text_or_value):
    """The value to 15 significant digits, as ODF's office:value writes it;
    decimal, so that 1.79769313486232E+308 stays finite."""
    number = decimal.Decimal(text_or_value)
    return "{:.14e}".format(number)


class Velmora:
    """The window, driven by tests/office_copies.cpp."""

    def __init__(self):
        self.process = subprocess.Popen([OFFICE_COPIES], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True,
                                        env=dict(os.environ, LC_ALL="C.UTF-8"))
        assert self.read() == "ok ready"

    def read(self):
        return self.process.stdout.readline().rstrip("\n")

    def command(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()
        answer = self.read()
        if not answer.startswith("ok"):
            raise AssertionError("%s: %s" % (line, answer))
        return answer[3:]

    def type(self, texts):
        return self.command("type " + "\t".join(texts))

    def record(self):
        return json.loads(self.command("record"))

    def copy(self, action, directory):
        """Does `action` and saves what the clipboard then offers: its
        targets' names and each one's bytes."""
        self.command("do " + action)
        return self.command("save " + directory).split()

    def close(self):
        self.command("quit")
        self.process.wait(timeout=30)


class Cells(html.parser.HTMLParser):
    """The HTML table's cells, row by row: (attributes, text)."""

    def __init__(self, markup):
        super().__init__()
        self.rows = []
        self.cell = None
        self.feed(markup)

    def handle_starttag(self, tag, attributes):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = (dict(attributes), [])

    def handle_data(self, data):
        if self.cell is not None:
            self.cell[1].append(data)

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.cell is not None:
            self.rows[-1].append((self.cell[0], "".join(self.cell[1])))
            self.cell = None


def spreadsheet_cells(path):
    """The first sheet's cells of a flat ODF spreadsheet, row by row:
    (value type, office:value, text)."""
    root = ElementTree.parse(path).getroot()
    sheet = root.find(".//table:table", NS)
    rows = []
    for row in sheet.iter("{%s}table-row" % NS["table"]):
        cells = []
        for cell in row:
            if not cell.tag.endswith("table-cell"):
                continue
            repeat = int(cell.get("{%s}number-columns-repeated" % NS["table"], "1"))
            kind = cell.get("{%s}value-type" % NS["office"])
            value = cell.get("{%s}value" % NS["office"])
            text = "\n".join("".join(p.itertext()) for p in cell.findall("text:p", NS))
            cells.extend([(kind, value, text)] * min(repeat, 16))
        while cells and cells[-1][0] is None:
            cells.pop()
        repeat = int(row.get("{%s}number-rows-repeated" % NS["table"], "1"))
        rows.extend([cells] * min(repeat, 16))
    while rows and not rows[-1]:
        rows.pop()
    return rows


# Readings as a student types them: three decimals, which an English Calc
# reads as thousands without the HTML's values; more digits than the window
# shows; tiny and large values; a Simpson overflow, which leaves the
# trapezoidal result and a sentence.
CASES = {
    "lab": ["0,1", "1,125", "2,25", "4,5", "16,125", "25", "36"],
    "digits": ["-0,001", "0,123456789012345678", "1,5E-07", "1E+20", "-2,5", "1000,001", "7"],
    "overflow": ["0", "8E+305", "0", "0", "0", "0", "0"],
}


class Calc(unittest.TestCase):
    """The table copy through Calc's HTML import, in English and German."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="velmora-office-calc-")
        cls.addClassCleanup(shutil.rmtree, cls.work, ignore_errors=True)
        cls.copies = {}
        velmora = Velmora()
        try:
            for name, texts in CASES.items():
                velmora.type(texts)
                directory = os.path.join(cls.work, name)
                targets = velmora.copy("copyTable", directory)
                with open(os.path.join(directory, "text_html"), "rb") as f:
                    markup = f.read()
                with open(os.path.join(directory, "text_plain"), "rb") as f:
                    plain = f.read().decode("utf-8")
                cls.copies[name] = (velmora.record(), targets, markup, plain)
                # The bytes as they came, and without the values beside the
                # text: what an English Calc makes of the text alone.
                with open(os.path.join(cls.work, name + ".html"), "wb") as f:
                    f.write(markup)
                with open(os.path.join(cls.work, name + "-text-only.html"), "wb") as f:
                    f.write(re.sub(rb' (sdval|sdnum|x:num)="[^"]*"', b"", markup))
        finally:
            velmora.close()
        cls.imported = {}
        for locale in LOCALES:
            out = os.path.join(cls.work, locale)
            sources = sorted(os.path.join(cls.work, f) for f in os.listdir(cls.work)
                             if f.endswith(".html"))
            # Without --infilter Calc finds no filter for HTML, and still
            # exits with 0.
            soffice(locale, os.path.join(cls.work, "profile"),
                    ["--infilter=HTML (StarCalc)", "--convert-to", "fods", "--outdir", out]
                    + sources)
            for source in sources:
                name = os.path.basename(source)[:-5]
                cls.imported[locale, name] = spreadsheet_cells(os.path.join(out, name + ".fods"))

    def expected(self, record):
        """Velmora's table, cell by cell: text, or a number's value."""
        rows = [["T in °C", "Messwert"]]
        rows += [[t, y] for t, y in zip(TEMPERATURES, record["readings"])]
        if record["trapezoid"] is not None:
            rows.append(["Ergebnis nach der Trapezregel", record["trapezoid"]])
        if record["simpson"] is not None:
            rows.append(["Ergebnis nach der Simpson-Regel", record["simpson"]])
        return rows

    def test_the_copy_offers_html_and_text_and_no_picture(self):
        for name, (_, targets, _, _) in self.copies.items():
            with self.subTest(case=name):
                self.assertIn("text/html", targets)
                self.assertIn("text/plain", targets)
                self.assertFalse([t for t in targets if t.startswith("image/")])

    def test_each_number_arrives_as_that_number_in_english_and_german(self):
        for (locale, name), cells in self.imported.items():
            if name.endswith("-text-only"):
                continue
            record = self.copies[name][0]
            for r, row in enumerate(self.expected(record)):
                for c, value in enumerate(row):
                    with self.subTest(locale=locale, case=name, row=r, column=c):
                        kind, office_value, text = cells[r][c]
                        if isinstance(value, str):
                            self.assertEqual((kind, text), ("string", value))
                        else:
                            self.assertEqual(kind, "float", text)
                            self.assertEqual(fifteen_digits(office_value), fifteen_digits(value))
            if name == "overflow":
                self.assertEqual(cells[9][0][0], "string")
                self.assertTrue(cells[9][0][2].startswith("Das Ergebnis nach der Simpson-Regel"))

    def test_the_text_alone_would_not_do(self):
        """Without the values beside it an English Calc reads 1,125 as 1125;
        a German one reads the text right. So the test above sees the
        values, and the locales are in force."""
        english = self.imported["en_US.UTF-8", "lab-text-only"][2][1]
        self.assertEqual((english[0], english[1]), ("float", "1125"))
        german = self.imported["de_DE.UTF-8", "lab-text-only"][2][1]
        self.assertEqual((german[0], german[1]), ("float", "1.125"))

    def test_the_html_values_read_back_as_the_very_doubles(self):
        for name, (record, _, markup, plain) in self.copies.items():
            table = Cells(markup.decode("utf-8")).rows
            self.assertEqual([[text for _, text in row] for row in table],
                             [row.split("\t") for row in plain.splitlines()],
                             "the HTML shows what the text holds")
            for r, row in enumerate(self.expected(record)):
                for c, value in enumerate(row):
                    with self.subTest(case=name, row=r, column=c):
                        attributes, _ = table[r][c]
                        if isinstance(value, str):
                            self.assertNotIn("sdval", attributes)
                            continue
                        self.assertEqual(exact(float(attributes["sdval"])), exact(value))
                        self.assertTrue(attributes["sdnum"].startswith("1033;1031;0"))
                        self.assertEqual(attributes["x:num"], attributes["sdval"])


def frames(path):
    """The pictures of a flat ODF text: (width in cm, embedded PNG bytes)."""
    root = ElementTree.parse(path).getroot()
    found = []
    for frame in root.iter("{urn:oasis:names:tc:opendocument:xmlns:drawing:1.0}frame"):
        width = frame.get("{urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0}width")
        number, unit = re.fullmatch(r"([0-9.]+)(in|cm|mm)", width).groups()
        centimetres = float(number) * {"in": 2.54, "cm": 1, "mm": 0.1}[unit]
        data = frame.find(".//office:binary-data", NS)
        found.append((centimetres, base64.b64decode(data.text) if data is not None else None))
    return found


def png_size_and_density(png):
    """Width, height, and the pHYs chunk's dots per unit and unit."""
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    width, height = struct.unpack(">II", png[16:24])
    at = png.find(b"pHYs")
    density = struct.unpack(">IIB", png[at + 4:at + 13]) if at > 0 else None
    return width, height, density


class Writer(unittest.TestCase):
    """The report copy and the figure copy through Writer's HTML import."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="velmora-office-writer-")
        cls.addClassCleanup(shutil.rmtree, cls.work, ignore_errors=True)
        velmora = Velmora()
        try:
            velmora.type(CASES["lab"])
            cls.record = velmora.record()
            cls.report_targets = velmora.copy("copyReport", os.path.join(cls.work, "report"))
            cls.figure_targets = velmora.copy("copyFigure", os.path.join(cls.work, "figure"))
        finally:
            velmora.close()
        shutil.copy(os.path.join(cls.work, "report", "text_html"),
                    os.path.join(cls.work, "report.html"))
        with open(os.path.join(cls.work, "figure", "image_png"), "rb") as f:
            cls.png = f.read()
        # The picture alone, no size given: Writer sizes it as the PNG says.
        with open(os.path.join(cls.work, "figure.html"), "w") as f:
            f.write('<html><body><p><img src="data:image/png;base64,%s"></p></body></html>'
                    % base64.b64encode(cls.png).decode())
        cls.imported = {}
        for locale in LOCALES:
            out = os.path.join(cls.work, locale)
            soffice(locale, os.path.join(cls.work, "profile"),
                    ["--infilter=HTML (StarWriter)", "--convert-to", "fodt", "--outdir", out,
                     os.path.join(cls.work, "report.html"), os.path.join(cls.work, "figure.html")])
            cls.imported[locale] = out

    def test_the_report_is_html_and_text_without_a_picture_of_its_own(self):
        self.assertIn("text/html", self.report_targets)
        self.assertIn("text/plain", self.report_targets)
        self.assertFalse([t for t in self.report_targets if t.startswith("image/")])

    def test_the_report_gives_a_table_of_the_numbers_and_the_embedded_figure(self):
        for locale, out in self.imported.items():
            with self.subTest(locale=locale):
                path = os.path.join(out, "report.fodt")
                root = ElementTree.parse(path).getroot()
                tables = root.findall(".//table:table", NS)
                self.assertEqual(len(tables), 1)
                cells = [[(cell.get("{%s}value-type" % NS["office"]),
                           cell.get("{%s}value" % NS["office"]),
                           "\n".join("".join(p.itertext()) for p in cell.findall("text:p", NS)))
                          for cell in row.findall("table:table-cell", NS)]
                         for row in tables[0].iter("{%s}table-row" % NS["table"])]
                rows = [[text for _, _, text in row] for row in cells]
                # The numbers are numbers in Writer too, in German as shown.
                values = [t for t in TEMPERATURES] + self.record["readings"]
                numbers = [row[c] for row in cells[1:8] for c in (0, 1)]
                self.assertEqual([kind for kind, _, _ in numbers], ["float"] * 14)
                self.assertEqual(sorted(fifteen_digits(v) for _, v, _ in numbers),
                                 sorted(fifteen_digits(v) for v in values))
                self.assertEqual(cells[9][1][0], "float")
                self.assertEqual(fifteen_digits(cells[9][1][1]), fifteen_digits(self.record["simpson"]))
                with open(os.path.join(self.work, "report", "text_plain"), encoding="utf-8") as f:
                    self.assertEqual(rows, [line.split("\t") for line in f.read().splitlines()])
                self.assertEqual(rows[2], ["0", "1,125"])
                pictures = frames(path)
                self.assertEqual(len(pictures), 1)
                centimetres, png = pictures[0]
                self.assertAlmostEqual(centimetres, 16, delta=0.05)
                self.assertIsNotNone(png, "embedded, not linked")
                self.assertEqual(png_size_and_density(png)[:2], (1280, 800))

    def test_the_figure_declares_16_cm_and_arrives_so(self):
        self.assertIn("image/png", self.figure_targets)
        self.assertIn("image/svg+xml", self.figure_targets)
        self.assertEqual(png_size_and_density(self.png), (1280, 800, (8000, 8000, 1)))
        pictures = frames(os.path.join(self.imported["en_US.UTF-8"], "figure.fodt"))
        self.assertEqual(len(pictures), 1)
        self.assertAlmostEqual(pictures[0][0], 16, delta=0.05)


if __name__ == "__main__":
    os.makedirs(WORK, exist_ok=True)
    PARTS = {"calc": Calc, "writer": Writer}
    unittest.main(defaultTest=[PARTS[PART].__name__], verbosity=2)
