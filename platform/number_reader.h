// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reading a number text. Texts are UTF-8. Accepted: optional blanks, an
// optional sign, digits with at most one decimal separator (comma or point),
// at least one digit, an optional exponent, optional blanks. Blanks are
// spaces, tabs, no-break spaces and line breaks; a minus is '-', U+2212 or
// U+2013. A value beyond the largest double is no number; one below the
// smallest rounds towards zero as usual. A point followed by exactly three
// digits may group thousands ("1.000"): such a text is no number, since it
// cannot be read either way with certainty.

// Why a text is no number. The reader finds it out once; the message says it
// and what to type instead.
enum class NumberProblem {
    Empty,
    AmbiguousPoint,        // "1.000": a thousands point or a decimal point?
    ThousandsSeparators,   // "1.000,5", "1 000", "1.000.000"
    AboveLargest,          // "1e309"
    BelowLowest,           // "-2e308"
    TwoSeparators,         // "1,5,5"
    TwoSigns,              // "--1"
    ExponentWithoutDigits, // "1,5e"
    TextAfterNumber,       // "1,5 kg"
    NoNumber,              // anything else
};

struct NumberReading {
    std::optional<double> value;
    NumberProblem problem = NumberProblem::NoNumber; // when there is no value
    std::string_view text;                           // the text without the blanks around it
    std::string_view number; // where a problem lies after it: the text up to it ("1,5" of "1,5 kg")
};

// `text` must outlive the reading, whose views point into it.
[[nodiscard]] NumberReading ReadNumber(std::string_view text);

[[nodiscard]] bool IsNumericText(std::string_view text);

// A grouped number without its thousands points and blanks ("1.000,5" gives
// "1000,5").
[[nodiscard]] std::string WithoutGrouping(std::string_view number);

} // namespace velmora
