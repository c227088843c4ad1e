// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/figure_drawing.h"

#include "platform/announcements.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace velmora {

namespace {

constexpr double LineHeight = 18;
constexpr double Margin = 8;
constexpr double SampleLength = 28; // of the line before a result in the legend
// The parabolas are drawn wider than the polygon, dashed and in another
// colour, so that where they lie on it (smooth readings) both stay visible.
constexpr double TrapezoidLineWidth = 1.5;
constexpr double ParabolaLineWidth = 3;
constexpr std::string_view ShadeLegend = "Fläche nach der Trapezregel";

// A generous guess at a text's width in the figure's font: the layout
// needs it before any font is at hand.
double TextWidth(const std::string& text) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<double>(characters) * FigureFontPixels * 0.6;
}

// Data space to the canvas; the axes' ranges are never empty.
struct Mapping {
    double left, top, width, height;
    const FigureAxis& t;
    const FigureAxis& y;

    [[nodiscard]] double X(double at) const {
        return left + (at - t.low) / (t.high - t.low) * width;
    }
    [[nodiscard]] double Y(double at) const {
        return top + (y.high - at) / (y.high - y.low) * height;
    }
};

FigureShape Line(double x1, double y1, double x2, double y2, Ink ink, double width) {
    FigureShape line;
    line.path = {{'M', x1, y1}, {'L', x2, y2}};
    line.stroke = ink;
    line.lineWidth = width;
    return line;
}

} // namespace

FigurePalette DocumentPalette() {
    return {{0, 0, 0}, {255, 255, 255}, {0, 90, 180}};
}

InkColour ColourOf(Ink ink, const FigurePalette& palette) {
    switch (ink) {
    case Ink::Grid:
        return {palette.text, 0.18};
    case Ink::Accent:
        return {palette.accent, 1};
    case Ink::Shade:
        return {palette.accent, 0.25};
    case Ink::Parabola: {
        // Dark orange on a light background, light orange on a dark one:
        // either reads at a contrast of at least 4.5 and differs from any blue.
        const Rgb& b = palette.background;
        const bool light = 299 * b.red + 587 * b.green + 114 * b.blue >= 128 * 1000;
        return {light ? Rgb{180, 70, 0} : Rgb{255, 160, 60}, 1};
    }
    case Ink::Text:
        break;
    }
    return {palette.text, 1};
}

FigureDrawing DrawFigure(const FigureGeometry& figure, double width, double height) {
    FigureDrawing drawing;
    drawing.width = width;
    drawing.height = height;
    drawing.description = figure.description;
    if (!figure.hint.empty()) {
        drawing.texts.push_back({width / 2, height / 2, Anchor::Middle, false, figure.hint});
        return drawing;
    }

    // The legend: each result behind a piece of the line that draws its rule.
    double baseline = Margin + FigureFontPixels;
    for (std::size_t k = 0; k < figure.results.size(); ++k) {
        const double middle = baseline - FigureFontPixels / 3;
        if (k == 0) {
            drawing.shapes.push_back(Line(Margin, middle, Margin + SampleLength, middle,
                                          Ink::Accent, TrapezoidLineWidth));
        } else if (!figure.parabolas.empty()) {
            FigureShape sample = Line(Margin, middle, Margin + SampleLength, middle, Ink::Parabola,
                                      ParabolaLineWidth);
            sample.dashed = true;
            drawing.shapes.push_back(sample);
        }
        // On a narrow canvas the number goes below its heading.
        const std::string& line = figure.results[k];
        const double textLeft = Margin + SampleLength + 6;
        const std::size_t colon = line.find(": ");
        if (textLeft + TextWidth(line) > width - Margin && colon != std::string::npos) {
            drawing.texts.push_back(
                {textLeft, baseline, Anchor::Start, !figure.current, line.substr(0, colon + 1)});
            baseline += LineHeight;
            drawing.texts.push_back(
                {textLeft, baseline, Anchor::Start, !figure.current, line.substr(colon + 2)});
        } else {
            drawing.texts.push_back({textLeft, baseline, Anchor::Start, !figure.current, line});
        }
        baseline += LineHeight;
    }
    // The shaded area's own entry: a swatch of its colour.
    FigureShape swatch;
    swatch.filled = true;
    const double swatchTop = baseline - FigureFontPixels + 2;
    swatch.path = {{'M', Margin, swatchTop},
                   {'L', Margin + SampleLength, swatchTop},
                   {'L', Margin + SampleLength, baseline},
                   {'L', Margin, baseline},
                   {'Z'}};
    drawing.shapes.push_back(swatch);
    drawing.texts.push_back(
        {Margin + SampleLength + 6, baseline, Anchor::Start, false, std::string(ShadeLegend)});
    baseline += LineHeight;
    if (!figure.current) {
        drawing.texts.push_back(
            {Margin, baseline, Anchor::Start, true, std::string(OutdatedAnnouncement())});
        baseline += LineHeight;
    }

    double labelWidth = TextWidth(figure.y.title);
    for (const AxisTick& tick : figure.y.ticks)
        labelWidth = std::max(labelWidth, TextWidth(tick.label));
    const double plotTop = baseline + LineHeight;
    const double plotLeft = Margin + labelWidth + 6;
    // Room on the right for half the last T label, which is centred on the
    // plot's right edge, so that it is never cut.
    const double rightRoom =
        std::max(2 * Margin,
                 figure.t.ticks.empty() ? 0 : TextWidth(figure.t.ticks.back().label) / 2 + Margin);
    const Mapping map{plotLeft,
                      plotTop,
                      std::max(1.0, width - plotLeft - rightRoom),
                      std::max(1.0, height - plotTop - 2 * LineHeight - Margin),
                      figure.t,
                      figure.y};
    const double plotBottom = map.Y(figure.y.low);
    const double plotRight = map.X(figure.t.high);

    drawing.texts.push_back({Margin, baseline, Anchor::Start, false, figure.y.title});
    for (const AxisTick& tick : figure.y.ticks) {
        const double y = map.Y(tick.at);
        drawing.shapes.push_back(Line(plotLeft, y, plotRight, y, Ink::Grid, 1));
        drawing.texts.push_back(
            {plotLeft - 6, y + FigureFontPixels / 3, Anchor::End, false, tick.label});
    }
    for (const AxisTick& tick : figure.t.ticks) {
        const double x = map.X(tick.at);
        drawing.shapes.push_back(Line(x, plotTop, x, plotBottom, Ink::Grid, 1));
        drawing.texts.push_back({x, plotBottom + LineHeight, Anchor::Middle, false, tick.label});
    }
    drawing.texts.push_back({(plotLeft + plotRight) / 2, plotBottom + 2 * LineHeight,
                             Anchor::Middle, false, figure.t.title});

    // The area under the trapezoid polygon, then the polygon with its sides.
    const double zero = map.Y(0);
    FigureShape area;
    area.filled = true;
    area.path.push_back({'M', map.X(figure.nodes.front().t), zero});
    for (const FigurePoint& node : figure.nodes)
        area.path.push_back({'L', map.X(node.t), map.Y(node.y)});
    area.path.push_back({'L', map.X(figure.nodes.back().t), zero});
    area.path.push_back({'Z'});
    drawing.shapes.push_back(area);

    drawing.shapes.push_back(Line(plotLeft, zero, plotRight, zero, Ink::Text, 1));
    drawing.shapes.push_back(Line(plotLeft, plotTop, plotLeft, plotBottom, Ink::Text, 1));

    FigureShape polygon;
    polygon.stroke = Ink::Accent;
    polygon.lineWidth = TrapezoidLineWidth;
    for (const FigurePoint& node : figure.nodes) {
        polygon.path.push_back({'M', map.X(node.t), zero});
        polygon.path.push_back({'L', map.X(node.t), map.Y(node.y)});
    }
    polygon.path.push_back({'M', map.X(figure.nodes.front().t), map.Y(figure.nodes.front().y)});
    for (const FigurePoint& node : figure.nodes)
        polygon.path.push_back({'L', map.X(node.t), map.Y(node.y)});
    drawing.shapes.push_back(polygon);

    if (!figure.parabolas.empty()) {
        FigureShape parabolas;
        parabolas.stroke = Ink::Parabola;
        parabolas.lineWidth = ParabolaLineWidth;
        parabolas.dashed = true;
        for (const FigureParabola& curve : figure.parabolas) {
            parabolas.path.push_back({'M', map.X(curve.start.t), map.Y(curve.start.y)});
            parabolas.path.push_back({'Q', map.X(curve.end.t), map.Y(curve.end.y),
                                      map.X(curve.control.t), map.Y(curve.control.y)});
        }
        drawing.shapes.push_back(parabolas);
    }

    for (const FigurePoint& node : figure.nodes)
        drawing.dots.push_back({map.X(node.t), map.Y(node.y), 3.5});
    return drawing;
}

} // namespace velmora
