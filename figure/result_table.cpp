// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/result_table.h"

#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "platform/number_messages.h"
#include "platform/number_writer.h"
#include "platform/result_text.h"

#include <cstddef>

namespace velmora {

TableRows ResultTable(const std::optional<CalculationRecord>& record) {
    if (!record || !record->trapezoid.result)
        return {};
    TableRows rows{{std::string(TemperatureTitle), std::string(ReadingTitle)}};
    for (std::size_t k = 0; k < record->readings.size(); ++k)
        rows.push_back({DoubleToText(NodeTemperature(k)), DoubleToText(record->readings[k])});
    // Each result's heading, and a number a spreadsheet can calculate with.
    for (const Rule rule : {Rule::Trapezoid, Rule::Simpson}) {
        if (const std::optional<double> result = record->Of(rule).result)
            rows.push_back({std::string(ResultName(rule)), DoubleToText(*result)});
        else if (record->error && record->error->rule == rule)
            rows.push_back({OverflowSentence(*record->error)});
    }
    return rows;
}

std::string TabSeparated(const TableRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k)
            text += (k == 0 ? "" : "\t") + row[k];
        text += '\n';
    }
    return text;
}

std::string HtmlTable(const TableRows& rows) {
    std::string html = "<table>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const char* cell = r == 0 ? "th" : "td";
        html += "<tr>";
        for (const std::string& text : rows[r])
            html += std::string("<") + cell + ">" + MarkupEscaped(text) + "</" + cell + ">";
        html += "</tr>";
    }
    return html + "</table>";
}

} // namespace velmora
