// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace velmora {

// Whether `back`, read from the text form of `value`, is that value as far as
// 15 significant digits tell: within half a unit of the 15th digit, plus the
// rounding of the read-back itself (half a unit in the last place of a
// double, and the smallest subnormal where that is zero).
inline bool ReadsBackWithinFifteenDigits(double value, double back) {
    const double halfUlp = (std::nextafter(std::abs(back), HUGE_VAL) - std::abs(back)) / 2;
    return std::abs(back - value) <= std::abs(value) * 5e-15 + halfUlp + 5e-324;
}

} // namespace velmora
