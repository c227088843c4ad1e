// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "figure/figure_geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The figure laid out on a canvas of width × height pixels, y downwards, as
// shapes, dots and texts that the window's painter and the SVG text draw one
// for one, in this order: shapes, dots, texts.

// What a part is drawn in; the colours come from the palette.
enum class Ink {
    Text,     // the points, the axes and the texts
    Grid,     // the grid lines, faint
    Accent,   // the trapezoid polygon
    Shade,    // the area under it, faint
    Parabola, // Simpson's parabolas: a warm colour against the accent's blue
};

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// The window's or the page's colours: light or dark alike.
struct FigurePalette {
    Rgb text, background, accent;
};

// Dark on white, whatever the screen shows: a copy goes into a document.
[[nodiscard]] FigurePalette DocumentPalette();

struct InkColour {
    Rgb rgb;
    double opacity = 1;
};
[[nodiscard]] InkColour ColourOf(Ink ink, const FigurePalette& palette);

// One step of a path: move, line, quadratic curve (through the control
// point cx, cy) or close.
struct PathStep {
    char command = 'M'; // 'M', 'L', 'Q' or 'Z'
    double x = 0, y = 0, cx = 0, cy = 0;
};

struct FigureShape {
    std::vector<PathStep> path;
    Ink stroke = Ink::Text;
    bool filled = false; // filled with `fill` and not stroked
    Ink fill = Ink::Shade;
    double lineWidth = 1;
    bool dashed = false;
};

struct FigureDot {
    double x = 0, y = 0, radius = 0;
};

enum class Anchor { Start, Middle, End };

struct FigureText {
    double x = 0, y = 0; // the baseline's start, middle or end
    Anchor anchor = Anchor::Start;
    bool italic = false;
    std::string text;
};

inline constexpr double FigureFontPixels = 13;

struct FigureDrawing {
    double width = 0, height = 0;
    std::vector<FigureShape> shapes;
    std::vector<FigureDot> dots;
    std::vector<FigureText> texts;
    std::string description;
};

// The figure's usual size in pixels, as the window opens it and the copies have it.
inline constexpr double FigureWidth = 640;
inline constexpr double FigureHeight = 400;

[[nodiscard]] FigureDrawing DrawFigure(const FigureGeometry& figure, double width, double height);

} // namespace velmora
