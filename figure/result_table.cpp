// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/result_table.h"

#include "figure/figure_svg.h"
#include "platform/number_writer.h"

#include <cstddef>

namespace velmora {

TableRows ResultTable(const FigureGeometry& figure) {
    if (!figure.hint.empty())
        return {};
    TableRows rows{{figure.t.title, figure.y.title}};
    for (std::size_t k = 0; k < figure.nodes.size(); ++k)
        rows.push_back({DoubleToText(figure.nodes[k].t), figure.readings[k]});
    // "Ergebnis nach der Trapezregel: F = 4850" becomes its heading and a
    // number a spreadsheet can calculate with.
    constexpr std::string_view Equals = ": F = ";
    for (const std::string& line : figure.results) {
        const std::size_t split = line.find(Equals);
        if (split == std::string::npos)
            rows.push_back({line});
        else
            rows.push_back({line.substr(0, split), line.substr(split + Equals.size())});
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
