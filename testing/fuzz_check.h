// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>

namespace velmora {

// A broken property in a fuzzer: abort, so libFuzzer keeps the input.
inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace velmora
