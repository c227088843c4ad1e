// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace velmora {

// Inline: these run on every loop step, table access and accumulation.

// Loop counters are signed 16-bit; stepping past 32767 is a run-time error,
// not a silent wrap.
[[nodiscard]] inline std::int16_t CheckedIncrement(std::int16_t counter) {
    if (counter == std::numeric_limits<std::int16_t>::max())
        RaiseOverflowError();
    return static_cast<std::int16_t>(counter + 1);
}

// Raises the bounds error unless lower <= index <= upper.
inline void CheckBounds(int index, int lower, int upper) {
    if (index < lower || index > upper)
        RaiseBoundsError(index, lower, upper);
}

// Clears the invalid, divide-by-zero and overflow flags.
void ClearFloatingPointStatus();

// Raises the floating-point error for `what` (e.g. "Das Ergebnis nach der
// Trapezregel", with `its` "Sein") if the invalid, divide-by-zero or overflow
// flag is set. Where a platform has no such flags (WebAssembly), none is ever
// set, and CheckFinite alone decides.
void CheckFloatingPointStatus(std::string_view what, std::string_view its);

// Call with each freshly stored accumulator value; returns it unchanged. A
// step of finite operands sets one of the three flags exactly when its result
// is infinite or NaN (overflow rounds to infinity, an invalid operation gives
// NaN, a division by zero infinity), so the stored value tells at once
// whether the step failed. Reading the flag register after every step instead
// would cost more than the arithmetic itself; each rule still tests the
// sticky flags when it ends.
[[nodiscard]] inline double CheckFinite(double value, std::string_view what, std::string_view its) {
    if (!std::isfinite(value))
        RaiseFloatingPointError(what, its);
    return value;
}

} // namespace velmora
