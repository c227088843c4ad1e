// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any byte string as a field text: IsNumericText and TextToDouble agree, a
// converted value is finite, and its text form reads back as a number within
// 15 significant digits.
#include "platform/number_reader.h"
#include "platform/number_writer.h"
#include "platform/runtime_error.h"
#include "platform/text_to_double.h"
#include "testing/fuzz_check.h"
#include "testing/read_back.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using velmora::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool numeric = velmora::IsNumericText(text);
    double value = 0.0;
    try {
        value = velmora::TextToDouble(text);
    } catch (const velmora::RuntimeError& error) {
        Check(!numeric);
        Check(error.Kind() == velmora::ErrorKind::Conversion);
        return 0;
    }
    Check(numeric);
    Check(std::isfinite(value));

    const std::string shown = velmora::DoubleToText(value);
    Check(velmora::IsNumericText(shown));
    Check(velmora::ReadsBackWithinFifteenDigits(value, velmora::TextToDouble(shown)));
    return 0;
}
