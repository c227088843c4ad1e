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

[[nodiscard]] bool IsNumericText(std::string_view text);

// The correctly rounded double of a text that passes IsNumericText; raises the
// conversion error for any other text.
[[nodiscard]] double TextToDouble(std::string_view text);

// The message for a field whose text did not convert, naming the field by
// its caption: empty, ambiguous, or simply no number.
[[nodiscard]] std::string FieldConversionMessage(std::string_view caption, std::string_view text);

// German text form: decimal comma, at most 15 significant digits, no trailing
// zeros; exponent form ("1,5E-07") outside 0,0001 .. 1E+15. A non-finite
// value has no text form and raises the floating-point error.
[[nodiscard]] std::string DoubleToText(double value);

} // namespace velmora
