// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pasted_readings.h"

#include "platform/calculation_record.h"
#include "platform/number_reader.h"

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

} // namespace

std::optional<PastedReadings> SplitPastedReadings(std::string_view text, int field,
                                                  std::string_view fieldCaption) {
    if (text.find_first_of("\r\n\t;") == std::string_view::npos || field < 1 ||
        field > ReadingCount)
        return std::nullopt;

    const std::string lines = Lines(text);
    PastedReadings pasted;
    if (lines.find('\n') == std::string::npos) {
        // One row: its cells.
        ForEachPiece(lines, Cells,
                     [&](std::string_view cell) { pasted.pieces.push_back(Trimmed(cell)); });
    } else {
        // A column, or the temperatures beside it.
        int line = field;
        ForEachPiece(lines, "\n", [&](std::string_view text) {
            const std::optional<std::string_view> reading = ReadingOfLine(text, line++);
            if (!reading)
                pasted.refusal = "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur "
                                 "die Spalte mit den Messwerten kopieren.";
            else
                pasted.pieces.push_back(Trimmed(*reading));
        });
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
                         "; eingefügt wurden " + std::to_string(pasted.pieces.size()) + ".";
        pasted.pieces.clear();
    }
    return pasted;
}

} // namespace velmora
