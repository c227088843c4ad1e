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
#else
constexpr int WatchedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
#endif

} // namespace

void ClearFloatingPointStatus() {
#ifdef VELMORA_SSE_STATUS
    const unsigned status = _mm_getcsr();
    if ((status & SseWatchedFlags) != 0)
        _mm_setcsr(status & ~SseWatchedFlags);
#else
    std::feclearexcept(WatchedFlags);
#endif
}

void CheckFloatingPointStatus(std::string_view result) {
#ifdef VELMORA_SSE_STATUS
    const bool raised = (_mm_getcsr() & SseWatchedFlags) != 0;
#else
    const bool raised = std::fetestexcept(WatchedFlags) != 0;
#endif
    if (raised)
        RaiseFloatingPointError(result);
}

} // namespace velmora
