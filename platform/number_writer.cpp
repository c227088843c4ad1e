// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_writer.h"

#include "platform/floating_point_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmora {

std::string DoubleToText(double value) {
    if (!std::isfinite(value))
        RaiseFloatingPointError({});
    if (value == 0.0)
        return "0";

    // Round to 15 significant digits first: the rounded value, not the
    // original, decides between plain and exponent form (9,99999999999999949E+14
    // becomes 1E+15). Both ways below round correctly and write the same
    // d.dddddddddddddde±XX; only its digits, sign and exponent are used, so
    // the locale's decimal point does not matter. std::to_chars is a fraction
    // of printf's cost; emscripten's C++ library does not have it for doubles.
    constexpr int SignificantDigits = 15;
    std::array<char, 64> buffer{};
#ifdef __cpp_lib_to_chars
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific, SignificantDigits - 1)
                                .ptr;
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
#else
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%.*e", SignificantDigits - 1, value);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(length));
#endif
    const std::size_t ePos = scientific.find('e');
    const int exponent = std::atoi(scientific.data() + ePos + 1);
    const bool negative = scientific.front() == '-';

    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    constexpr int SmallestPlainExponent = -4;
    constexpr int LargestPlainExponent = 14;
    if (exponent >= SmallestPlainExponent && exponent <= LargestPlainExponent) {
        if (exponent < 0) {
            text += "0,";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= wholeDigits) {
                text += digits;
                text.append(wholeDigits - digits.size(), '0');
            } else {
                text += digits.substr(0, wholeDigits);
                text += ',';
                text += digits.substr(wholeDigits);
            }
        }
        return text;
    }

    text += digits.front();
    if (digits.size() > 1) {
        text += ',';
        text += digits.substr(1);
    }
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string DoubleToLocaleFreeText(double value) {
    if (!std::isfinite(value))
        RaiseFloatingPointError({});
    if (value == 0.0)
        return "0";
    std::array<char, 64> buffer{};
#ifdef __cpp_lib_to_chars
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
#else
    // Emscripten's C++ library has no std::to_chars for doubles: 17
    // significant digits, which read back as the same double too, if not
    // always in the fewest digits ("0.10000000000000001"). Nothing in the
    // page sets a locale, so printf's decimal point is C's.
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return {buffer.data(), static_cast<std::size_t>(length)};
#endif
}

} // namespace velmora
