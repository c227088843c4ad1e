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

} // namespace velmora
