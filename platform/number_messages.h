// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace velmora
