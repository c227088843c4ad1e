// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace velmora {

// German text form of a double: decimal comma, at most 15 significant digits,
// no trailing zeros; exponent form ("1,5E-07") outside 0,0001 .. 1E+15. A
// non-finite value has no text form and raises the floating-point error.
[[nodiscard]] std::string DoubleToText(double value);

// The same value for a program in any locale: digits that read back as the
// very same double, a decimal point, an exponent where that is shorter. Where
// the C++ library has std::to_chars for doubles (the desktop), the fewest
// such digits, as it writes them ("1.125", "0.1", "-200", "1e+20",
// "1.7976931348623157e+308"); in WebAssembly 17 significant digits
// ("0.10000000000000001"). Zero is "0". What the copies' HTML gives office
// programs beside the German text. A non-finite value raises as above.
[[nodiscard]] std::string DoubleToLocaleFreeText(double value);

} // namespace velmora
