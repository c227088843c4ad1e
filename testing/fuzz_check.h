#pragma once

#include <cstdlib>

namespace velmora {

// A broken property in a fuzzer: abort, so libFuzzer keeps the input.
inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace velmora
