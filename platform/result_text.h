// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// How a result is worded, in the result box and wherever a result is shown
// again: the figure, the copies, what screen readers hear.

// "Ergebnis nach der Trapezregel", and as the result box heads a result, with
// a colon.
[[nodiscard]] std::string_view ResultName(Rule rule);
[[nodiscard]] std::string ResultHeading(Rule rule);

// "F = 4850"
[[nodiscard]] std::string ResultValue(double result);

// "Ergebnis nach der Trapezregel: F = 4850"
[[nodiscard]] std::string ResultLine(Rule rule, double result);

// One line a rule: "Ergebnis nach der Trapezregel: F = 4850", or for a rule
// that left the double range what became too large. A rule that did not run
// has no line.
[[nodiscard]] std::vector<std::string> ResultLines(const CalculationRecord& record);

} // namespace velmora
