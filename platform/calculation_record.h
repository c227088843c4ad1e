// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/floating_point_error.h"
#include "platform/wide_double.h"

#include <array>
#include <cstddef>
#include <optional>

namespace velmora {

// The readings of one calculation, Text1's first, taken at the nodes -200, 0,
// 200, ... 1000 °C.
inline constexpr int ReadingCount = 7;
inline constexpr double FirstNode = -200.0; // the temperature of Text1
inline constexpr double NodeSpacing = 200.0;

// The temperature of node k, -200 + 200·k °C.
[[nodiscard]] constexpr double NodeTemperature(std::size_t k) {
    return FirstNode + NodeSpacing * static_cast<double>(k);
}

// One step of a rule, as the rule did it: the term it added (for Simpson's
// final scaling, the product 200 × sum it then divided by 3), and the value
// it stored.
struct RecordedStep {
    double term = 0;
    // Where the step was done again with a wider exponent: the term as formed
    // then. It may lie beyond the double range, and `term` is then not finite.
    std::optional<WideDouble> wideTerm;
    double stored = 0;
};

struct RuleRecord {
    // The trapezoid rule's six strips; Simpson's seven nodes, then its
    // scaling. The step that stopped a rule is recorded too, with the value
    // it could not store.
    std::array<RecordedStep, 8> steps{};
    int count = 0;
    std::optional<double> result;
};

// One calculation, as the rules did it: what every front end shows of a
// result (the figure, the copies, what screen readers hear) is read from
// here, never from the fields or the caption again.
struct CalculationRecord {
    std::array<double, ReadingCount> readings{};
    RuleRecord trapezoid;
    RuleRecord simpson;
    std::optional<Overflow> error; // what stopped the calculation
    bool current = true;           // belongs to the values in the fields

    [[nodiscard]] const RuleRecord& Of(Rule rule) const {
        return rule == Rule::Trapezoid ? trapezoid : simpson;
    }
    [[nodiscard]] RuleRecord& Of(Rule rule) {
        return rule == Rule::Trapezoid ? trapezoid : simpson;
    }
};

} // namespace velmora
