// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One cell of the table: its text as the window shows it (German, a decimal
// comma), and for a number its value, which the HTML carries exactly.
struct TableCell {
    std::string text;
    std::optional<double> number;
};
using TableRow = std::vector<TableCell>;
using TableRows = std::vector<TableRow>;

// "Werte und Ergebnis kopieren": a heading row, the seven rows of T and
// reading, then one row per result, its heading and its number, and a row
// saying so when the result is outdated. Empty before the first result.
[[nodiscard]] TableRows ResultTable(const std::optional<CalculationRecord>& record);

// Cells separated by tabs, rows ended by line breaks: what a spreadsheet
// pastes into its cells.
[[nodiscard]] std::string TabSeparated(const TableRows& rows);

// The same as an HTML table, which a word processor pastes as a table. Each
// number's cell carries its value in a form no locale reads differently, for
// LibreOffice (sdval, with sdnum naming the language it is written in, US
// English) and for Excel (x:num): "1,125" is 1.125 in an English Calc too,
// where the text alone would be 1125.
[[nodiscard]] std::string HtmlTable(const TableRows& rows);

// "Ergebnis kopieren": the result box's text, its lines ended by "\n", and
// beneath it that it is outdated when it is.
[[nodiscard]] std::string ResultCopy(std::string caption,
                                     const std::optional<CalculationRecord>& record);

// "Bericht kopieren": the table's HTML, then the figure, the PNG image that
// `imageUrl` holds (a data: URL, so that it travels inside the HTML), 16 cm
// wide, `description` its text alternative.
[[nodiscard]] std::string ReportHtml(const TableRows& rows, const std::string& imageUrl,
                                     const std::string& description);

// An HTML document around `body`, its encoding declared, as the clipboard
// carries it.
[[nodiscard]] std::string HtmlDocument(const std::string& body);

} // namespace velmora
