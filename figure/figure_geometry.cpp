// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure/figure_geometry.h"

#include "platform/announcements.h"
#include "platform/number_writer.h"
#include "platform/result_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>

namespace velmora {

namespace {

// A tick spacing a person would choose: 1, 2 or 5 times a power of ten.
struct TickStep {
    int mantissa = 1;
    int power = 0;
};

// About `intervals` steps over a span of spanScaled × 2^exponent.
TickStep NiceStep(double spanScaled, int exponent, int intervals) {
    const double logStep = std::log10(spanScaled / intervals) + exponent * std::log10(2.0);
    TickStep step{1, static_cast<int>(std::floor(logStep))};
    const double fraction = std::pow(10.0, logStep - step.power);
    if (fraction >= 7) {
        step.power += 1;
    } else if (fraction >= 3) {
        step.mantissa = 5;
    } else if (fraction >= 1.5) {
        step.mantissa = 2;
    }
    return step;
}

// n × 10^power in units of 2^exponent. The power of ten is split so that
// every intermediate stays a normal double: the step lies within a factor of
// a thousand of 2^exponent.
double Scaled(double n, int power, int exponent) {
    if (power >= 0)
        return std::ldexp(n * std::pow(10.0, power - 8), -exponent) * 1e8;
    return std::ldexp(n * std::pow(10.0, power + 8), -exponent) * 1e-8;
}

// Five or more digits before the comma are grouped in threes by a narrow
// no-break space, as German print groups them: "80 000 000". A label with
// an exponent is short already.
std::string Grouped(std::string label) {
    constexpr std::string_view NarrowSpace = "\u202F";
    if (label.find('E') != std::string::npos)
        return label;
    const std::size_t first = label.find_first_of("0123456789");
    std::size_t end = label.find(',');
    if (end == std::string::npos)
        end = label.size();
    if (first == std::string::npos || end - first < 5)
        return label;
    for (std::size_t at = end; at > first + 3; at -= 3)
        label.insert(at - 3, NarrowSpace);
    return label;
}

// The label of n × 10^power, or none where that is no normal double.
std::string TickLabel(double n, int power) {
    const double value = power >= 0 ? n * std::pow(10.0, power) : n / std::pow(10.0, -power);
    if (value != 0 && !(std::isfinite(value) && std::fabs(value) >= DBL_MIN))
        return {};
    return Grouped(DoubleToText(value));
}

// An axis over [low, high] in units of 2^exponent, widened to whole ticks.
FigureAxis MakeAxis(double low, double high, int exponent, int intervals, std::string title) {
    const TickStep step = NiceStep(high - low, exponent, intervals);
    const double scaledStep = Scaled(step.mantissa, step.power, exponent);
    // The tolerance keeps an end that is a tick from being rounded past it.
    constexpr double Slack = 1e-9;
    // About `intervals` steps, at most twice that with both ends rounded out.
    const auto first = static_cast<int>(std::floor(low / scaledStep + Slack));
    const auto last = static_cast<int>(std::ceil(high / scaledStep - Slack));
    FigureAxis axis{first * scaledStep, last * scaledStep, {}, std::move(title)};
    for (int k = first; k <= last; ++k)
        axis.ticks.push_back({k * scaledStep, TickLabel(double(k) * step.mantissa, step.power)});
    return axis;
}

// The highest or lowest point of a parabola between its ends, if it has one
// there; else its start.
double Extremum(const FigureParabola& curve) {
    const double y0 = curve.start.y;
    const double c = curve.control.y;
    const double y2 = curve.end.y;
    const double denominator = y0 - 2 * c + y2;
    if (denominator == 0)
        return y0;
    const double t = (y0 - c) / denominator;
    if (!(t > 0 && t < 1))
        return y0;
    return (1 - t) * (1 - t) * y0 + 2 * t * (1 - t) * c + t * t * y2;
}

FigureGeometry Hint() {
    FigureGeometry figure;
    figure.hint = "Noch kein Ergebnis: Werte eingeben und „Starte Berechnung“ drücken.";
    figure.description = figure.hint;
    return figure;
}

} // namespace

FigureGeometry MakeFigureGeometry(const std::optional<CalculationRecord>& record) {
    if (!record || !record->trapezoid.result)
        return Hint();
    FigureGeometry figure;
    const std::array<double, ReadingCount>& readings = record->readings;
    figure.current = record->current;
    figure.results = ResultLines(*record);
    const bool simpsonShown = record->simpson.result.has_value();

    // Readings in units of 2^yExponent lie within ±1.
    double largest = 0;
    for (const double reading : readings)
        largest = std::max(largest, std::fabs(reading));
    if (largest > 0)
        (void)std::frexp(largest, &figure.yExponent);

    figure.description = "Messwerte über T:";
    double low = 0;
    double high = 0;
    for (std::size_t k = 0; k < figure.nodes.size(); ++k) {
        const double y = std::ldexp(readings[k], -figure.yExponent);
        figure.nodes[k] = {NodeTemperature(k), y};
        figure.readings[k] = DoubleToText(readings[k]);
        figure.description +=
            (k == 0 ? " " : "; ") + DoubleToText(figure.nodes[k].t) + " °C: " + figure.readings[k];
        low = std::min(low, y);
        high = std::max(high, y);
    }
    if (simpsonShown) {
        for (std::size_t k = 0; k + 2 < figure.nodes.size(); k += 2) {
            const FigurePoint& a = figure.nodes[k];
            const FigurePoint& b = figure.nodes[k + 1];
            const FigurePoint& c = figure.nodes[k + 2];
            // The parabola through three equally spaced points is exactly
            // this Bézier curve.
            const FigureParabola curve{a, {b.t, 2 * b.y - (a.y + c.y) / 2}, c};
            figure.parabolas.push_back(curve);
            low = std::min(low, Extremum(curve));
            high = std::max(high, Extremum(curve));
        }
    }
    for (const std::string& line : figure.results)
        figure.description += "; " + line;
    if (!figure.current)
        figure.description += "; " + std::string(OutdatedAnnouncement());

    if (low == high) // all readings zero
        high = 1;
    const FigurePoint& first = figure.nodes.front();
    const FigurePoint& last = figure.nodes.back();
    figure.t = MakeAxis(first.t, last.t, 0, 6, std::string(TemperatureTitle));
    figure.y = MakeAxis(low, high, figure.yExponent, 5, std::string(ReadingTitle));
    return figure;
}

} // namespace velmora
