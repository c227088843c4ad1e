// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/result_table.h"

#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "platform/announcements.h"
#include "platform/number_messages.h"
#include "platform/number_writer.h"
#include "platform/result_text.h"

#include <cstddef>
#include <utility>

namespace velmora {

namespace {

TableCell TextCell(std::string text) {
    return {std::move(text), std::nullopt};
}

TableCell NumberCell(double value) {
    return {DoubleToText(value), value};
}

} // namespace

TableRows ResultTable(const std::optional<CalculationRecord>& record) {
    if (!record || !record->trapezoid.result)
        return {};
    TableRows rows{{TextCell(std::string(TemperatureTitle)), TextCell(std::string(ReadingTitle))}};
    for (std::size_t k = 0; k < record->readings.size(); ++k)
        rows.push_back({NumberCell(NodeTemperature(k)), NumberCell(record->readings[k])});
    // Each result's heading, and a number a spreadsheet can calculate with.
    for (const Rule rule : {Rule::Trapezoid, Rule::Simpson}) {
        if (const std::optional<double> result = record->Of(rule).result)
            rows.push_back({TextCell(std::string(ResultName(rule))), NumberCell(*result)});
        else if (record->error && record->error->rule == rule)
            rows.push_back({TextCell(OverflowSentence(*record->error))});
    }
    if (!record->current)
        rows.push_back({TextCell(std::string(OutdatedAnnouncement()))});
    return rows;
}

std::string ResultCopy(std::string caption, const std::optional<CalculationRecord>& record) {
    for (std::size_t at = caption.find("\r\n"); at != std::string::npos;
         at = caption.find("\r\n", at))
        caption.erase(at, 1);
    if (record && !record->current)
        caption.append("\n").append(OutdatedAnnouncement());
    return caption;
}

std::string TabSeparated(const TableRows& rows) {
    std::string text;
    for (const TableRow& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k)
            text += (k == 0 ? "" : "\t") + row[k].text;
        text += '\n';
    }
    return text;
}

// sdnum's 1033 is the language sdval is written in; with 1031, German, an
// English Calc reads "1.125" as 1125 again, and without sdnum Calc ignores
// sdval.
std::string HtmlTable(const TableRows& rows) {
    std::string html = "<table>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string cell = r == 0 ? "th" : "td";
        html += "<tr>";
        for (const TableCell& text : rows[r]) {
            html += '<' + cell;
            if (text.number) {
                const std::string value = DoubleToLocaleFreeText(*text.number);
                html.append(R"( sdval=")").append(value);
                html.append(R"(" sdnum="1033;0;General" x:num=")").append(value) += '"';
            }
            html += '>' + MarkupEscaped(text.text) + "</" + cell + '>';
        }
        html += "</tr>";
    }
    return html + "</table>";
}

std::string HtmlDocument(const std::string& body) {
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body + "</body></html>";
}

} // namespace velmora
