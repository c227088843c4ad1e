// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/figure_svg.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace velmora {

namespace {

// Coordinates to a hundredth of a pixel, with a decimal point whatever the
// locale.
std::string Number(double value) {
    const long long hundredths = std::llround(value * 100);
    const long long whole = std::llabs(hundredths);
    // Appended piece by piece: "-" + a temporary string trips GCC 12's
    // -Wrestrict (a false alarm, an error in the Windows build).
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(whole / 100);
    if (whole % 100 != 0) {
        text += '.';
        text += static_cast<char>('0' + whole % 100 / 10);
        if (whole % 10 != 0)
            text += static_cast<char>('0' + whole % 10);
    }
    return text;
}

std::string Colour(Rgb rgb) {
    constexpr std::string_view Digits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {rgb.red, rgb.green, rgb.blue}) {
        text += Digits[part / 16];
        text += Digits[part % 16];
    }
    return text;
}

// "fill" or "stroke" with its opacity where it has one.
std::string Paint(const char* what, Ink ink, const FigurePalette& palette) {
    const InkColour colour = ColourOf(ink, palette);
    std::string paint = std::string(" ") + what + "=\"" + Colour(colour.rgb) + "\"";
    if (colour.opacity < 1)
        paint += std::string(" ") + what + "-opacity=\"" + Number(colour.opacity) + "\"";
    return paint;
}

std::string PathData(const std::vector<PathStep>& path) {
    std::string data;
    for (const PathStep& step : path) {
        if (!data.empty())
            data += ' ';
        data += step.command;
        if (step.command == 'Q')
            data += Number(step.cx) + ',' + Number(step.cy) + ' ';
        if (step.command != 'Z')
            data += Number(step.x) + ',' + Number(step.y);
    }
    return data;
}

} // namespace

std::string MarkupEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string FigureSvg(const FigureDrawing& drawing, const FigurePalette& palette) {
    const std::string width = Number(drawing.width);
    const std::string height = Number(drawing.height);
    std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width=")" + width + R"(" height=")" + height +
        R"(" viewBox="0 0 )" + width + ' ' + height +
        R"(" role="img" font-family="sans-serif" font-size=")" + Number(FigureFontPixels) +
        "\">\n<title>Verlauf</title>\n<desc>" + MarkupEscaped(drawing.description) + "</desc>\n" +
        R"(<rect width="100%" height="100%" fill=")" + Colour(palette.background) + "\"/>\n";
    for (const FigureShape& shape : drawing.shapes) {
        svg += "<path d=\"" + PathData(shape.path) + '"';
        if (shape.filled) {
            svg += Paint("fill", shape.fill, palette);
        } else {
            svg += " fill=\"none\"" + Paint("stroke", shape.stroke, palette) + " stroke-width=\"" +
                   Number(shape.lineWidth) + '"';
            if (shape.dashed)
                svg += " stroke-dasharray=\"6,4\"";
        }
        svg += "/>\n";
    }
    for (const FigureDot& dot : drawing.dots)
        svg += "<circle cx=\"" + Number(dot.x) + "\" cy=\"" + Number(dot.y) + "\" r=\"" +
               Number(dot.radius) + '"' + Paint("fill", Ink::Text, palette) + "/>\n";
    for (const FigureText& text : drawing.texts) {
        svg += "<text x=\"" + Number(text.x) + "\" y=\"" + Number(text.y) + '"';
        if (text.anchor != Anchor::Start)
            svg +=
                text.anchor == Anchor::Middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
        if (text.italic)
            svg += " font-style=\"italic\"";
        svg += Paint("fill", Ink::Text, palette) + '>' + MarkupEscaped(text.text) + "</text>\n";
    }
    return svg + "</svg>\n";
}

} // namespace velmora
