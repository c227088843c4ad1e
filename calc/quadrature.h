// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sample_values.h"
#include "platform/calculation_record.h"

namespace velmora {

// Both rules raise the floating-point run-time error instead of returning
// when a step leaves the double range. Given a record, each writes into it
// every step as it does it, its result, or the step that stopped it.

// Composite trapezoidal rule over the six intervals, summed interval by
// interval from left to right.
[[nodiscard]] double TrapezoidRule(const SampleValues& values, CalculationRecord* record = nullptr);

// Composite Simpson rule over the seven nodes, weights 1 4 2 4 2 4 1.
[[nodiscard]] double SimpsonRule(const SampleValues& values, CalculationRecord* record = nullptr);

} // namespace velmora
