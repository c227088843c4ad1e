// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"
#include "platform/checked.h"

#include <array>
#include <cstddef>

namespace velmora {

// Spacing of the nodes -200, 0, 200, ... 1000 °C.
inline constexpr double StepWidth = NodeSpacing;

// The seven measured values, entry k taken at -200 + 200*k °C. Zero on
// creation; every access is bounds-checked.
class SampleValues {
public:
    static constexpr int LowerBound = 0;
    static constexpr int UpperBound = 6;
    // Seven nodes, six intervals between them; one input field a node.
    static constexpr int Count = UpperBound - LowerBound + 1;
    static constexpr int LastInterval = UpperBound - 1;
    static_assert(Count == ReadingCount);

    [[nodiscard]] double At(int index) const {
        CheckBounds(index, LowerBound, UpperBound);
        return m_values[static_cast<std::size_t>(index - LowerBound)];
    }

    void Store(int index, double value) {
        CheckBounds(index, LowerBound, UpperBound);
        m_values[static_cast<std::size_t>(index - LowerBound)] = value;
    }

private:
    std::array<double, Count> m_values{};
};

} // namespace velmora
