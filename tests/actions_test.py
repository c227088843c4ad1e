#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every action of the window's table (resources/actions.json) stands in
README's key table, with its desktop key and its page key as a German
keyboard names them, and its menu entry where it has one; and every key is
one action's only.

    actions_test.py SOURCE_DIR
"""
import json
import os
import sys
import unittest

SOURCE = sys.argv.pop(1) if len(sys.argv) > 1 else "."
GERMAN = {"Ctrl": "Strg", "Shift": "Umschalt", "Alt": "Alt"}


def german(key):
    return "+".join(GERMAN.get(part, part) for part in key.split("+"))


def key_table(readme):
    """The rows of the table under "## Keyboard", as lists of cells."""
    section = readme.split("\n## Keyboard\n", 1)[1].split("\n## ", 1)[0]
    return [[cell.strip() for cell in line.strip().strip("|").split("|")]
            for line in section.splitlines() if line.startswith("| ") and "---" not in line]


class KeyTable(unittest.TestCase):
    def setUp(self):
        with open(os.path.join(SOURCE, "resources", "actions.json"), encoding="utf-8") as f:
            self.actions = json.load(f)["actions"]
        with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as f:
            self.rows = key_table(f.read())

    def test_every_action_stands_in_the_key_table_with_both_keys(self):
        for action in self.actions:
            if not action["desktopKey"]:
                continue
            with self.subTest(action=action["name"]):
                rows = [row for row in self.rows if row[0] == german(action["desktopKey"])]
                self.assertEqual(len(rows), 1, "no row, or several, for " + german(action["desktopKey"]))
                self.assertEqual(rows[0][1], german(action["pageKey"]))
                label = action["label"].replace("&", "")
                if label:
                    self.assertIn('"%s"' % label, rows[0][3])

    def test_an_action_without_keys_is_named_in_the_key_table(self):
        for action in self.actions:
            if not action["desktopKey"]:
                label = action["label"].replace("&", "")
                self.assertTrue(any('"%s"' % label in row[3] for row in self.rows), label)

    def test_no_key_does_two_things(self):
        for which in ("desktopKey", "pageKey"):
            keys = [action[which] for action in self.actions if action[which]]
            self.assertEqual(len(keys), len(set(keys)), which)


if __name__ == "__main__":
    unittest.main()
