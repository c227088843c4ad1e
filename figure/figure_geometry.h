// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The figure "Verlauf" in data space: what the window and the page draw, and
// what the table of values copies. Temperatures are in °C; the readings'
// axis is in units of 2^yExponent, so that no range, control point or
// extremum overflows even for readings near the largest double.
// The axes' titles, which the table of values heads its columns with too.
inline constexpr std::string_view TemperatureTitle = "T in °C";
inline constexpr std::string_view ReadingTitle = "Messwert";

struct FigurePoint {
    double t = 0;
    double y = 0;
};

// One of Simpson's parabolas, as the quadratic Bézier curve that it is.
struct FigureParabola {
    FigurePoint start, control, end;
};

struct AxisTick {
    double at = 0;     // in the axis's unit
    std::string label; // German form, as the result box writes numbers
};

struct FigureAxis {
    double low = 0, high = 0;
    std::vector<AxisTick> ticks;
    std::string title;
};

struct FigureGeometry {
    // Empty when there is a result; otherwise what to do to get one.
    std::string hint;
    int yExponent = 0;
    std::array<FigurePoint, ReadingCount> nodes{};
    std::array<std::string, ReadingCount> readings; // as the figure writes them
    std::vector<FigureParabola> parabolas;          // none when Simpson's result is too large
    FigureAxis t, y;
    std::vector<std::string> results; // one line per rule, as the result box words it
    bool current = true;
    std::string description; // the text alternative: readings and results
};

// The figure of the result on display, or the hint before the first one.
[[nodiscard]] FigureGeometry MakeFigureGeometry(const std::optional<CalculationRecord>& record);

} // namespace velmora
