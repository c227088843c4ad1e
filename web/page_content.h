// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <optional>
#include <string>

namespace velmora {

// What the page shows, made without the browser: page_bindings.cpp only hands
// it to the page's script.

// The figure of the result on display, `width` pixels wide in the page's
// colours (0xRRGGBB), and the table of values and results as text and as
// the desktop's HTML ("" before the first result).
struct PageFigure {
    std::string svg;
    std::string table;
    std::string tableHtml;
};
[[nodiscard]] PageFigure FigureForPage(const std::optional<CalculationRecord>& record, double width,
                                       int text, int background, int accent);

// "Bericht kopieren"'s HTML: the table, and the figure's PNG from `imageUrl`
// with its text alternative.
[[nodiscard]] std::string ReportForPage(const std::optional<CalculationRecord>& record,
                                        const std::string& imageUrl);

// The figure as a copy carries it: its usual size, dark on white.
[[nodiscard]] std::string FigureForDocument(const std::optional<CalculationRecord>& record);

} // namespace velmora
