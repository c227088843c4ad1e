// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/runtime_error.h"

#include <cstdint>
#include <limits>

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

// Whether the invalid, divide-by-zero or overflow flag is set. Where a
// platform has no such flags (WebAssembly), none ever is, and the stored
// values alone tell: a step of finite operands sets one of the three exactly
// when its result is infinite or NaN (overflow rounds to infinity, an invalid
// operation gives NaN, a division by zero infinity). So the rules test each
// stored value at once, which costs less than reading the flag register, and
// the sticky flags once when they end.
[[nodiscard]] bool FloatingPointStatusRaised();

} // namespace velmora
