// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What Label10 shows, written out once for the tests: after the trapezoidal
// rule (%1 its result) and after both rules (%2 Simpson's).
inline const QString TwoLines = QStringLiteral(" Ergebnis nach der Trapezregel:\r\nF = %1");
inline const QString FiveLines = QStringLiteral(
    " Ergebnis nach der Trapezregel:\r\nF = %1\r\n\r\nErgebnis nach der Simpson-Regel:\r\nF = %2");
