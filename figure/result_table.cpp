// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/result_table.h"

#include "figure/figure_drawing.h"
#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "platform/announcements.h"
#include "platform/number_messages.h"
#include "platform/number_writer.h"
#include "platform/result_text.h"

#include <algorithm>
#include <cmath>
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

// The number format, in German, that writes `value` as `shown` writes it:
// as many decimals, and an exponent where it has one. Writer shows a cell in
// its format; in "General" it would round 1,125 to 1,13 and 1,5E-07 to 0.
std::string FormatOf(const std::string& shown) {
    const std::size_t exponent = shown.find('E');
    const std::size_t comma = shown.find(',');
    std::string format = "0";
    if (comma != std::string::npos)
        format.append(",").append(std::min(exponent, shown.size()) - comma - 1, '0');
    if (exponent != std::string::npos)
        format += "E+00";
    return format;
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

// sdnum names the language sdval is written in, 1033 (US English), then
// that of its format, 1031 (German); with 1031 first an English Calc reads
// "1.125" as 1125, and without sdnum Calc ignores sdval. A value that the
// shown text rounds beyond the largest double (1,79769313486232E+308) has no
// such format and stays text.
std::string HtmlTable(const TableRows& rows) {
    constexpr double LargestFormatted = 1.797693134862315e308;
    std::string html = "<table>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string cell = r == 0 ? "th" : "td";
        html += "<tr>";
        for (const TableCell& text : rows[r]) {
            html += '<' + cell;
            if (text.number && std::fabs(*text.number) < LargestFormatted) {
                const std::string value = DoubleToLocaleFreeText(*text.number);
                html.append(R"( sdval=")").append(value);
                html.append(R"(" sdnum="1033;1031;)").append(FormatOf(text.text));
                html.append(R"(" x:num=")").append(value) += '"';
            }
            html += '>' + MarkupEscaped(text.text) + "</" + cell + '>';
        }
        html += "</tr>";
    }
    return html + "</table>";
}

// In centimetres, which a word processor keeps whatever resolution the
// image declares (a browser's PNG declares none): 16 cm, the figure's 640 ×
// 400.
std::string ReportHtml(const TableRows& rows, const std::string& imageUrl,
                       const std::string& description) {
    static_assert(FigureWidth * 10 == FigureHeight * 16);
    return HtmlTable(rows) + R"(<p><img src=")" + imageUrl + R"(" alt=")" +
           MarkupEscaped(description) + R"(" style="width:16cm;height:10cm"></p>)";
}

std::string HtmlDocument(const std::string& body) {
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body + "</body></html>";
}

} // namespace velmora
