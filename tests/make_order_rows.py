#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints the rows of calculation_test's order table: seven random values and
the bit patterns of both rules' results, computed here independently of the
C++ code, in Python's IEEE doubles, one rounding per written operation.

Values are uniform in [-200, 200] with one to three decimals, seed 20261208.
A row is kept only if some regrouping of a rule changes its result, and the
table is checked to catch each regrouping below in several rows.
"""
import random
import struct

SEED = 20261208
ROWS = 60


def bits(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


def trapezoid(f):
    s = 0.0
    for i in range(6):
        a = f[i] + f[i + 1]
        a = a * 200.0
        a = a / 2
        s = s + a
    return s


def simpson(f):
    s = 0.0
    for j in range(7):
        if j in (0, 6):
            s = s + f[j]
        elif j % 2:
            s = s + f[j] * 4
        else:
            s = s + (f[j] + f[j])
    return (200.0 * s) / 3


def right_to_left(f):
    s = 0.0
    for i in reversed(range(6)):
        s = s + (f[i] + f[i + 1]) * 200.0 / 2
    return s


def closed_form(f):
    s = f[0]
    for v in f[1:6]:
        s = s + 2 * v
    return 100.0 * (s + f[6])


def grouped_simpson(f):
    s = f[0] + 4 * (f[1] + f[3] + f[5]) + 2 * (f[2] + f[4]) + f[6]
    return (200.0 * s) / 3


def simpson_scaled(scale):
    def rule(f):
        s = 0.0
        for j, w in enumerate((1, 4, 2, 4, 2, 4, 1)):
            s = s + (f[j] + f[j] if w == 2 else f[j] * w)
        return scale(s)
    return rule


def simpson_backwards(f):
    s = 0.0
    for j, w in reversed(list(enumerate((1, 4, 2, 4, 2, 4, 1)))):
        s = s + (f[j] + f[j] if w == 2 else f[j] * w)
    return (200.0 * s) / 3


FAULTS = {
    "trapezoid right to left": (trapezoid, right_to_left),
    "trapezoid closed form": (trapezoid, closed_form),
    "Simpson grouped by weight": (simpson, grouped_simpson),
    "Simpson sum*(200/3)": (simpson, simpson_scaled(lambda s: s * (200.0 / 3))),
    "Simpson 200*(sum/3)": (simpson, simpson_scaled(lambda s: 200.0 * (s / 3))),
    "Simpson right to left": (simpson, simpson_backwards),
}


def main():
    rng = random.Random(SEED)
    rows = []
    while len(rows) < ROWS:
        texts = ["%.*f" % (rng.randint(1, 3), rng.uniform(-200, 200)) for _ in range(7)]
        f = [float(t) for t in texts]
        if any(right(f) != wrong(f) for right, wrong in FAULTS.values()):
            rows.append((texts, trapezoid(f), simpson(f)))
    for name, (right, wrong) in FAULTS.items():
        caught = sum(right([float(t) for t in r[0]]) != wrong([float(t) for t in r[0]]) for r in rows)
        assert caught >= 5, (name, caught)
    for texts, t, s in rows:
        print("    {{%s}, 0x%016xULL, 0x%016xULL}," % (", ".join(texts), bits(t), bits(s)))


main()
