// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/page_content.h"

#include "figure/figure_drawing.h"
#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "figure/result_table.h"

#include <cstdint>

namespace velmora {

namespace {

Rgb RgbOf(int colour) {
    return {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
            static_cast<std::uint8_t>(colour)};
}

} // namespace

PageFigure FigureForPage(const std::optional<CalculationRecord>& record, double width, int text,
                         int background, int accent) {
    const TableRows rows = ResultTable(record);
    return {FigureSvg(DrawFigure(MakeFigureGeometry(record), width, FigureHeight),
                      {RgbOf(text), RgbOf(background), RgbOf(accent)}),
            TabSeparated(rows), rows.empty() ? std::string() : HtmlDocument(HtmlTable(rows))};
}

std::string ReportForPage(const std::optional<CalculationRecord>& record,
                          const std::string& imageUrl) {
    return HtmlDocument(
        ReportHtml(ResultTable(record), imageUrl, MakeFigureGeometry(record).description));
}

std::string FigureForDocument(const std::optional<CalculationRecord>& record) {
    return FigureSvg(DrawFigure(MakeFigureGeometry(record), FigureWidth, FigureHeight),
                     DocumentPalette());
}

} // namespace velmora
