// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/text_to_double.h"

#include "platform/number_reader.h"
#include "platform/runtime_error.h"

namespace velmora {

double TextToDouble(std::string_view text) {
    const NumberReading reading = ReadNumber(text);
    if (!reading.value)
        throw RuntimeError::Conversion(text);
    return *reading.value;
}

} // namespace velmora
