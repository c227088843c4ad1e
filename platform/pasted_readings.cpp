// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pasted_readings.h"

#include "platform/calculation_record.h"
#include "platform/number_messages.h"
#include "platform/number_reader.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

// Calls each(piece) for every piece of text between separators, the empty
// ones included.
template <typename Each>
void ForEachPiece(std::string_view text, std::string_view separators, Each each) {
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find_first_of(separators, start);
        each(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

constexpr std::string_view Cells = "\t;";

std::string Trimmed(std::string_view piece) {
    constexpr std::string_view Blanks = " \t\r\n\v\f";
    const std::size_t first = piece.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(piece.substr(first, piece.find_last_not_of(Blanks) - first + 1));
}

// Line breaks as LF only, and one trailing break dropped: every copied
// column ends with one.
std::string Lines(std::string_view text) {
    std::string lines;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\r') {
            lines += '\n';
            if (k + 1 < text.size() && text[k + 1] == '\n')
                ++k;
        } else {
            lines += text[k];
        }
    }
    if (!lines.empty() && lines.back() == '\n')
        lines.pop_back();
    return lines;
}

// The cells of a line of the block: one each, or the second of two where the
// first reads as the temperature of the field the line goes into (the
// temperatures beside the values). std::nullopt for any other block.
std::optional<std::string_view> ReadingOfLine(std::string_view line, int field) {
    const std::size_t split = line.find_first_of(Cells);
    if (split == std::string_view::npos)
        return line;
    const std::string_view second = line.substr(split + 1);
    const NumberReading node = ReadNumber(line.substr(0, split));
    if (second.find_first_of(Cells) != std::string_view::npos || !node.value ||
        *node.value != NodeTemperature(static_cast<std::size_t>(field - 1)))
        return std::nullopt;
    return second;
}

bool HoldsNumber(std::string_view cell) {
    return ReadNumber(cell).value.has_value();
}

// A heading above the readings, such as "Messwert" or "T in °C | Wert": a
// first line whose every cell holds no number, while every cell below holds
// one. An empty cell holds no number.
bool IsHeading(const std::vector<std::string_view>& lines) {
    const auto allCells = [](std::string_view line, bool numbers) {
        bool all = true;
        ForEachPiece(line, Cells,
                     [&](std::string_view cell) { all = all && HoldsNumber(cell) == numbers; });
        return all;
    };
    if (lines.size() < 2 || !allCells(lines.front(), false))
        return false;
    for (std::size_t k = 1; k < lines.size(); ++k)
        if (!allCells(lines[k], true))
            return false;
    return true;
}

// "„8“ und „9“", or the first three and how many more.
std::string Listed(const std::vector<std::string>& pieces) {
    constexpr std::size_t Named = 3;
    const std::size_t shown = pieces.size() > Named + 1 ? Named : pieces.size();
    std::string list;
    for (std::size_t k = 0; k < shown; ++k) {
        if (k > 0)
            list += k + 1 == shown && shown == pieces.size() ? " und " : ", ";
        list += QuotedText(pieces[k]);
    }
    if (shown < pieces.size())
        list += " und " + std::to_string(pieces.size() - shown) + " weitere";
    return list;
}

} // namespace

std::optional<PastedReadings> SplitPastedReadings(std::string_view text, int field,
                                                  std::string_view fieldCaption) {
    if (text.find_first_of("\r\n\t;") == std::string_view::npos || field < 1 ||
        field > ReadingCount)
        return std::nullopt;

    const std::string lines = Lines(text);
    PastedReadings pasted;
    if (lines.find('\n') == std::string::npos) {
        // One row: its cells, after a heading cell if it has one.
        std::vector<std::string_view> cells;
        ForEachPiece(lines, Cells, [&](std::string_view cell) { cells.push_back(cell); });
        const bool heading = cells.size() > 1 && !HoldsNumber(cells.front()) &&
                             std::all_of(cells.begin() + 1, cells.end(), HoldsNumber);
        for (std::size_t k = heading ? 1 : 0; k < cells.size(); ++k)
            pasted.pieces.push_back(Trimmed(cells[k]));
    } else {
        // A column, or the temperatures beside it, after a heading row if it
        // has one.
        std::vector<std::string_view> rows;
        ForEachPiece(lines, "\n", [&](std::string_view row) { rows.push_back(row); });
        int line = field;
        for (std::size_t k = IsHeading(rows) ? 1 : 0; k < rows.size(); ++k) {
            const std::optional<std::string_view> reading = ReadingOfLine(rows[k], line++);
            if (!reading)
                pasted.refusal = "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur "
                                 "die Spalte mit den Messwerten kopieren.";
            else
                pasted.pieces.push_back(Trimmed(*reading));
        }
        if (!pasted.refusal.empty()) {
            pasted.pieces.clear();
            return pasted;
        }
    }

    // The fields from TextN down to the last.
    const auto room = static_cast<std::size_t>(ReadingCount) - static_cast<std::size_t>(field) + 1;
    if (pasted.pieces.size() > room) {
        pasted.refusal = "Ab dem Feld „" + std::string(fieldCaption) + "“ ist Platz für " +
                         std::to_string(room) + (room == 1 ? " Wert" : " Werte") +
                         "; eingefügt wurden " + std::to_string(pasted.pieces.size()) + ". Für " +
                         Listed({pasted.pieces.begin() + static_cast<std::ptrdiff_t>(room),
                                 pasted.pieces.end()}) +
                         " ist kein Feld mehr frei.";
        pasted.pieces.clear();
    }
    return pasted;
}

} // namespace velmora
