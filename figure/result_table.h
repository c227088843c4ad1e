// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// "Werte und Ergebnis kopieren": a heading row, the seven rows of T and
// reading, then one row per result, its heading and its number. Empty before
// the first result.
using TableRows = std::vector<std::vector<std::string>>;
[[nodiscard]] TableRows ResultTable(const std::optional<CalculationRecord>& record);

// Cells separated by tabs, rows ended by line breaks: what a spreadsheet
// pastes into its cells.
[[nodiscard]] std::string TabSeparated(const TableRows& rows);

// The same as an HTML table, which a word processor pastes as a table.
[[nodiscard]] std::string HtmlTable(const TableRows& rows);

} // namespace velmora
