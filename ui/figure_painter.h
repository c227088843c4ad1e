// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "figure/figure_drawing.h"
#include "platform/calculation_record.h"

#include <QPalette>
#include <memory>
#include <optional>

class QMimeData;
class QPainter;

namespace velmora {

// The figure's colours taken from a widget's palette: the result box's, so the
// figure is light or dark with the window.
[[nodiscard]] FigurePalette FigurePaletteOf(const QPalette& palette);

// Draws the drawing one for one, as the SVG text writes it.
void PaintFigure(QPainter& painter, const FigureDrawing& drawing, const FigurePalette& palette);

// The figure and the table for the clipboard: PNG and SVG together, so that
// office programs and vector editors each take their best; the table as
// tab-separated text and as an HTML table. Before the first result, nothing.
[[nodiscard]] std::unique_ptr<QMimeData> FigureMimeData(const FigureGeometry& figure);
[[nodiscard]] std::unique_ptr<QMimeData>
TableMimeData(const std::optional<CalculationRecord>& record);
// The report: the table, both results and the figure in one HTML, and the
// table as text.
[[nodiscard]] std::unique_ptr<QMimeData>
ReportMimeData(const std::optional<CalculationRecord>& record);

} // namespace velmora
