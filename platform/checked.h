// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/runtime_error.h"

#include <cfenv>
#include <cstdint>
#include <limits>

#if defined(__SSE2__) && defined(__x86_64__)
#include <xmmintrin.h>
#define VELMORA_SSE_STATUS 1
#endif

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

// Underflow and inexact results are ordinary and never stop a calculation.
#ifdef VELMORA_SSE_STATUS
// On x86-64 doubles are computed in SSE registers, so MXCSR holds the flags
// that matter. glibc's feclearexcept also rewrites the x87 environment, which
// costs more than a whole rule.
inline constexpr unsigned SseWatchedFlags =
    _MM_EXCEPT_INVALID | _MM_EXCEPT_DIV_ZERO | _MM_EXCEPT_OVERFLOW;
#elif defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
inline constexpr int WatchedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
#else
// WebAssembly has no floating-point flags; the stored values alone tell.
inline constexpr int WatchedFlags = 0;
#endif

// Clears the invalid, divide-by-zero and overflow flags.
inline void ClearFloatingPointStatus() {
#ifdef VELMORA_SSE_STATUS
    const unsigned status = _mm_getcsr();
    if ((status & SseWatchedFlags) != 0)
        _mm_setcsr(status & ~SseWatchedFlags);
#else
    if constexpr (WatchedFlags != 0)
        std::feclearexcept(WatchedFlags);
#endif
}

// Whether the invalid, divide-by-zero or overflow flag is set. Where a
// platform has no such flags (WebAssembly), none ever is, and the stored
// values alone tell: a step of finite operands sets one of the three exactly
// when its result is infinite or NaN (overflow rounds to infinity, an invalid
// operation gives NaN, a division by zero infinity). So the rules test each
// stored value at once, which costs less than reading the flag register, and
// the sticky flags once when they end.
[[nodiscard]] inline bool FloatingPointStatusRaised() {
#ifdef VELMORA_SSE_STATUS
    return (_mm_getcsr() & SseWatchedFlags) != 0;
#else
    return WatchedFlags != 0 && std::fetestexcept(WatchedFlags) != 0;
#endif
}

} // namespace velmora
