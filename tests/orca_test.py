# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca, Debian's screen reader, says while a blind student uses Velmora
by keyboard alone. Orca runs with its own settings folder, whose
orca-customizations.py writes every utterance to a file: no synthesizer is
needed. Run on an X server with a window manager (tests/with_x11.sh), inside
a D-Bus session (dbus-run-session), by scripts/orca.

    orca_test.py <velmora executable>
"""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

VELMORA = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build/ui/velmora"

CUSTOMIZATIONS = """
import logging, os
_handler = logging.FileHandler(os.environ["VELMORA_SPEECH_LOG"], encoding="utf-8")
_handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_handler)
"""

RESULT = ["Ergebnis nach der Trapezregel", "F = 4850", "Ergebnis nach der Simpson-Regel",
          "F = 4833,33333333333"]
OUTDATED = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten"


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


class Orca(unittest.TestCase):
    """One walk through the window, row by row, as the student would."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="velmora-orca.")
        self.log = os.path.join(self.folder, "speech.log")
        open(self.log, "w").close()
        prefs = os.path.join(self.folder, "orca")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(CUSTOMIZATIONS)
        env = dict(os.environ, HOME=self.folder, VELMORA_SPEECH_LOG=self.log,
                   GSETTINGS_BACKEND="dconf", XDG_CONFIG_HOME=os.path.join(self.folder, ".config"))
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface",
                        "toolkit-accessibility", "true"], env=env, check=True)
        self.processes = []
        # Orca first: Qt asks at start-up whether a screen reader is running.
        self.start(["orca", "-u", prefs, "--replace"], env)
        self.heard_since(0, ["Screen reader on"], wait=30)
        self.start([VELMORA], env)

    def tearDown(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        print("\nOrca said:\n" + "\n".join("  " + u for u in self.utterances()), file=sys.stderr)

    def start(self, command, env):
        self.processes.append(subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))

    def utterances(self):
        with open(self.log, encoding="utf-8") as f:
            text = f.read()
        spoken = re.split(r"^SPEECH OUTPUT: ", text, flags=re.M)[1:]
        # 'text' or 'text' {voice}: the quotes and the voice go.
        return [re.sub(r"^'(.*)'( \{.*\})?\s*$", r"\1", u, flags=re.S) for u in spoken]

    def heard_since(self, start, words, wait=10):
        """The utterances from number start on, once one of them holds all
        the words (or, after wait seconds, whatever was said)."""
        deadline = time.monotonic() + wait
        while True:
            said = self.utterances()[start:]
            if any(all(w in u for w in words) for u in said) or time.monotonic() > deadline:
                return said
            time.sleep(0.1)

    def row(self, number, action, words, wait=10):
        """Does the action and returns what Orca said, once it said the words
        in one utterance, which the row then checks."""
        start = len(self.utterances())
        action()
        said = self.heard_since(start, words, wait)
        self.assertTrue(any(all(w in u for w in words) for u in said),
                        "row %d: no utterance with %r in %r" % (number, words, said))
        return said

    def test_every_row_is_heard(self):
        # 1. The window opens: the window, its focus, and the heading once.
        said = self.row(1, lambda: None, ["Lösung für Aufgabe 5"], wait=20)
        self.assertTrue(any("Starte Berechnung" in u for u in said), said)

        # 2. Tab into each field: its caption.
        values = ["1,5", "2", "3", "4", "5", "6", "7"]
        for n, value in enumerate(values):
            self.row(2, lambda: keys("Tab"), ["T = %d °C" % (n * 200 - 200)])
            type_text(value)

        # 5. Back into a field holding "1,5": the value whole, never cut.
        said = self.row(5, lambda: keys(*["shift+Tab"] * 6), ["T = -200 °C"])
        said += self.heard_since(len(self.utterances()), ["1,5"], wait=3)
        self.assertTrue(any("1,5" in u for u in said), said)
        cut = [u for u in said if re.fullmatch(r"1,( (selected|ausgewählt))?\.?", u.strip())]
        self.assertEqual(cut, [], "a cut value was said")

        # 3. Return on the button: both results, in one utterance.
        keys("shift+Tab")
        self.row(3, lambda: keys("Return"), RESULT)

        # 6. Strg+Umschalt+C: confirmed.
        self.row(6, lambda: keys("ctrl+shift+c"), ["Ergebnis kopiert"])

        # 4. A key to the result, which Orca then reads.
        self.row(4, lambda: keys("F8"), ["F = 4850", "F = 4833,33333333333"])

        # 10. The figure: copied by its key, confirmed; opened by F9, it has
        # the focus and says what it shows. Escape goes back to the result.
        self.row(10, lambda: keys("ctrl+shift+b"), ["Abbildung kopiert"])
        self.row(10, lambda: keys("F9"), ["Messwerte über T", "1000 °C: 7", "F = 4833,33333333333"])
        self.row(10, lambda: keys("Escape"), ["F = 4850"])

        # 8. Bad text in Text3 outdates the result: said once, not for every
        # key, and not again after the click's box.
        # From the result box back through Text7 ... Text4 to Text3.
        self.row(8, lambda: keys(*["shift+Tab"] * 5), ["T = 200 °C"])
        start = len(self.utterances())
        keys("ctrl+a")
        type_text("abc")
        self.heard_since(start, [OUTDATED])
        # 7. The click: the box, read as an alert.
        self.row(7, lambda: keys("Return"), ["Im Feld „T = 200 °C“ steht keine Zahl: „abc“"])
        self.row(8, lambda: keys("Return"), ["T = 200 °C"])
        time.sleep(1)
        said = self.utterances()[start:]
        self.assertEqual(sum(OUTDATED in u for u in said), 1, said)

        # 9. Bad text in Text1, a click, the box closed: the focus is in Text1,
        # with its value.
        keys("shift+Tab", "shift+Tab", "ctrl+a")
        type_text("x")
        keys("shift+Tab")
        self.row(9, lambda: keys("Return"), ["Wert ist keine Zahl!"])
        said = self.row(9, lambda: keys("Return"), ["T = -200 °C"])
        said += self.heard_since(len(self.utterances()), ["x"], wait=3)
        self.assertTrue(any(u.strip().startswith("x") for u in said), said)


if __name__ == "__main__":
    unittest.main(verbosity=2)
