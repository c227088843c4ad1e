// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/checked.h"

#include <cfenv>

#if defined(__SSE2__) && defined(__x86_64__)
#include <xmmintrin.h>
#define VELMORA_SSE_STATUS 1
#endif

namespace velmora {

namespace {

// Underflow and inexact results are ordinary and never stop a calculation.
#ifdef VELMORA_SSE_STATUS
// On x86-64 doubles are computed in SSE registers, so MXCSR holds the flags
// that matter. glibc's feclearexcept also rewrites the x87 environment, which
// costs more than a whole rule.
constexpr unsigned SseWatchedFlags = _MM_EXCEPT_INVALID | _MM_EXCEPT_DIV_ZERO | _MM_EXCEPT_OVERFLOW;
#elif defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
constexpr int WatchedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
#else
// WebAssembly has no floating-point flags; the stored values alone tell.
constexpr int WatchedFlags = 0;
#endif

} // namespace

void ClearFloatingPointStatus() {
#ifdef VELMORA_SSE_STATUS
    const unsigned status = _mm_getcsr();
    if ((status & SseWatchedFlags) != 0)
        _mm_setcsr(status & ~SseWatchedFlags);
#else
    if constexpr (WatchedFlags != 0)
        std::feclearexcept(WatchedFlags);
#endif
}

bool FloatingPointStatusRaised() {
#ifdef VELMORA_SSE_STATUS
    return (_mm_getcsr() & SseWatchedFlags) != 0;
#else
    return WatchedFlags != 0 && std::fetestexcept(WatchedFlags) != 0;
#endif
}

} // namespace velmora
