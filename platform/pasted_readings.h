// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What a paste into field TextN does with a text of several readings: a
// spreadsheet column (line breaks), a row (tabs), a German CSV line
// (semicolons). Every front end pastes by these rules.
struct PastedReadings {
    // For the fields TextN, TextN+1, ... in order, trimmed; an empty cell
    // stays an empty field. Empty when the paste is refused.
    std::vector<std::string> pieces;
    // Why nothing was pasted, for a box; empty when the pieces go in.
    std::string refusal;
};

// std::nullopt when the text holds no line break, tab or semicolon, or N is
// no field: it is pasted as typed. A single piece ("1,5" of a copied cell
// "1,5\n") is pasted as typed too, where the cursor is. fieldCaption is
// TextN's ("T = 400 °C"), for the box.
[[nodiscard]] std::optional<PastedReadings> SplitPastedReadings(std::string_view text, int field,
                                                                std::string_view fieldCaption);

} // namespace velmora
