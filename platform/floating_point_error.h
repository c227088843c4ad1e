// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace velmora {

// Raises the floating-point run-time error: `what` ("Das Ergebnis nach der
// Trapezregel", "Eine Zwischensumme der Trapezregel") left the double range;
// `its` is the possessive that fits it ("Sein", "Ihr"). Declared on its own so
// that the number writer can raise it without depending on the run-time
// errors, which depend on the number reader and its messages.
[[noreturn]] void RaiseFloatingPointError(std::string_view what, std::string_view its);

} // namespace velmora
