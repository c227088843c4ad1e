// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/pasted_readings.h"

#include "calc/sample_values.h"
#include "platform/number_reader.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

constexpr double LowestNode = -200.0; // the temperature of Text1

std::vector<std::string_view> Split(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find_first_of(separators); end != std::string_view::npos;
         end = text.find_first_of(separators, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

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

// Whether the first cells read, in order, as the temperatures of the fields
// from the one pasted into on: the temperatures beside the values.
bool FirstColumnIsTheTemperatures(const std::vector<std::vector<std::string_view>>& rows,
                                  int field) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const NumberReading reading = ReadNumber(rows[row][0]);
        const double node =
            LowestNode + StepWidth * static_cast<double>(field - 1 + static_cast<int>(row));
        if (!reading.value || *reading.value != node)
            return false;
    }
    return true;
}

} // namespace

std::optional<PastedReadings> SplitPastedReadings(std::string_view text, int field,
                                                  std::string_view fieldCaption) {
    if (text.find_first_of("\r\n\t;") == std::string_view::npos || field < 1 ||
        field > SampleValues::Count)
        return std::nullopt;

    const std::string lines = Lines(text);
    std::vector<std::vector<std::string_view>> rows;
    for (const std::string_view line : Split(lines, "\n"))
        rows.push_back(Split(line, "\t;"));

    PastedReadings pasted;
    const bool oneRow = rows.size() == 1;
    const bool widest =
        std::any_of(rows.begin(), rows.end(), [](const auto& cells) { return cells.size() > 1; });
    const bool twoColumns =
        std::all_of(rows.begin(), rows.end(), [](const auto& cells) { return cells.size() == 2; });
    if (oneRow) {
        for (const std::string_view cell : rows.front())
            pasted.pieces.push_back(Trimmed(cell));
    } else if (!widest) {
        for (const auto& cells : rows)
            pasted.pieces.push_back(Trimmed(cells.front()));
    } else if (twoColumns && FirstColumnIsTheTemperatures(rows, field)) {
        for (const auto& cells : rows)
            pasted.pieces.push_back(Trimmed(cells.back()));
    } else {
        pasted.refusal = "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur die Spalte "
                         "mit den Messwerten kopieren.";
        return pasted;
    }

    // The fields from TextN down to the last.
    const auto room =
        static_cast<std::size_t>(SampleValues::Count) - static_cast<std::size_t>(field) + 1;
    if (pasted.pieces.size() > room) {
        pasted.refusal = "Ab dem Feld „" + std::string(fieldCaption) + "“ ist Platz für " +
                         std::to_string(room) + (room == 1 ? " Wert" : " Werte") +
                         "; eingefügt wurden " + std::to_string(pasted.pieces.size()) + ".";
        pasted.pieces.clear();
    }
    return pasted;
}

} // namespace velmora
