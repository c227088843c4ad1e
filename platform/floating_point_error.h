// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace velmora {

// The two rules, as their overflow and the record of a calculation name them.
enum class Rule { Trapezoid, Simpson };

// What left the double range, as the numeric core saw it happen. The
// messages word it (number_messages); the core passes no words.
struct Overflow {
    std::optional<Rule> rule; // none: a number that was to be written as text
    bool result = false;      // the rule's result, not a sum on the way
    int step = 0;             // the rule's step, from 0 (Simpson's scaling is 7)
};

// Raises the floating-point run-time error. Declared on its own so that the
// number writer can raise it without depending on the run-time errors, which
// depend on the number reader and its messages.
[[noreturn]] void RaiseFloatingPointError(const Overflow& what);

} // namespace velmora
