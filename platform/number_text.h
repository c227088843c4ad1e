#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Number texts are UTF-8. Accepted: optional blanks, an optional sign, digits
// with at most one decimal separator (comma or point), at least one digit, an
// optional exponent, optional blanks. A value beyond the largest double is no
// number; one below the smallest rounds towards zero as usual. A point
// followed by exactly three digits may group thousands ("1.000"): such a text
// is no number, since it cannot be read either way with certainty.

// Why a text is no number. The parser finds it out once; the message says it
// and what to type instead.
enum class NumberProblem {
    Empty,
    AmbiguousPoint,      // "1.000": a thousands point or a decimal point?
    ThousandsSeparators, // "1.000,5", "1 000", "1.000.000"
    AboveLargest,        // "1e309"
    BelowLowest,         // "-2e308"
    NoNumber,            // anything else
};

[[nodiscard]] bool IsNumericText(std::string_view text);

// The correctly rounded double of a text that passes IsNumericText; raises the
// conversion error, with its NumberProblem, for any other text.
[[nodiscard]] double TextToDouble(std::string_view text);

// What the user reads when `text` is no number for `problem`: in the field
// named by `caption`, or in "the field" when the caption is empty.
[[nodiscard]] std::string NumberProblemMessage(NumberProblem problem, std::string_view text,
                                               std::string_view caption);

// German text form: decimal comma, at most 15 significant digits, no trailing
// zeros; exponent form ("1,5E-07") outside 0,0001 .. 1E+15. A non-finite
// value has no text form and raises the floating-point error.
[[nodiscard]] std::string DoubleToText(double value);

} // namespace velmora
