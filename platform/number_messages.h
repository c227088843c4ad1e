// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/floating_point_error.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What the user reads when a text is no number: why, and what to type
// instead. Composed here and nowhere else.

// „text“ in German quotes, cut after 40 bytes (on a UTF-8 boundary) so a
// pasted megabyte cannot become a megabyte-wide message.
[[nodiscard]] std::string QuotedText(std::string_view text);

// Why `text` is no number, in the field named by `caption`, or in "the field"
// when the caption is empty. `text` must be no number.
[[nodiscard]] std::string NumberProblemMessage(std::string_view text, std::string_view caption);

// "Auch das Feld „T = 400 °C“ enthält keine Zahl." for the captions of further
// fields that hold no number; empty when there are none.
[[nodiscard]] std::string OtherFieldsWithoutNumber(const std::vector<std::string>& captions);

// "Trapezregel", "Simpson-Regel": a rule as every text names it.
[[nodiscard]] std::string_view RuleName(Rule rule);

// What the user reads when a value left the double range: what became too
// large, "Eine Zwischensumme der Trapezregel ist zu groß.", and then why and
// what to do. The sentence alone stands where a result would.
[[nodiscard]] std::string OverflowSentence(const Overflow& what);
[[nodiscard]] std::string OverflowMessage(const Overflow& what);

} // namespace velmora
