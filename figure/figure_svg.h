// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "figure/figure_drawing.h"

#include <string>

namespace velmora {

// The drawing as a standalone SVG document: what the page shows and what a
// copy of the figure carries for vector editors. Colours are attributes, not
// style, so a page that forbids inline style shows it as well.
[[nodiscard]] std::string FigureSvg(const FigureDrawing& drawing, const FigurePalette& palette);

// Text as it goes between tags or into an attribute's quotes.
[[nodiscard]] std::string MarkupEscaped(const std::string& text);

} // namespace velmora
