// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/quadrature.h"

#include "calc/wide_double.h"
#include "platform/checked.h"

#include <cmath>
#include <cstdint>

// The operations below are written, and compiled with -ffp-contract=off, so
// that each rounds exactly where it stands. Rearranging them (into the closed
// form 100*(f0 + 2*f1 + ... + f6), say) changes the last bit of the results.
//
// Values inside one step (the sum of two values, a product before a division)
// may lie beyond the double range while the value the step stores does not.
// Such a step is done again with a wider exponent and the same rounding, so
// it succeeds whenever its stored value fits; only the stored value is
// tested.

namespace velmora {

namespace {

// What the overflow message names: a sum on the way, or the result.
constexpr std::string_view TrapezoidInterim = "Eine Zwischensumme der Trapezregel";
constexpr std::string_view SimpsonInterim = "Eine Zwischensumme der Simpson-Regel";
constexpr std::string_view InterimIts = "Ihr";
constexpr std::string_view TrapezoidResult = "Das Ergebnis nach der Trapezregel";
constexpr std::string_view SimpsonResult = "Das Ergebnis nach der Simpson-Regel";
constexpr std::string_view ResultIts = "Sein";

// The value a step stores: as computed, or, where an intermediate left the
// double range, as computed again with a wider exponent. The overflow of the
// first attempt is then no overflow of the step, so its flag is cleared.
template <typename Wide> double Stored(double computed, Wide wide) {
    if (std::isfinite(computed))
        return computed;
    const double again = wide().ToDouble();
    if (std::isfinite(again))
        ClearFloatingPointStatus();
    return again;
}

} // namespace

double TrapezoidRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t i = SampleValues::LowerBound; i <= SampleValues::LastInterval;
         i = CheckedIncrement(i)) {
        const double left = values.At(i);
        const double right = values.At(i + 1);
        double a = left + right;
        a = a * StepWidth;
        a = a / 2;
        const double stored = Stored(sum + a, [&] {
            return WideDouble(sum) + (WideDouble(left) + WideDouble(right)) * StepWidth / 2;
        });
        if (i == SampleValues::LastInterval)
            sum = CheckFinite(stored, TrapezoidResult, ResultIts);
        else
            sum = CheckFinite(stored, TrapezoidInterim, InterimIts);
    }
    CheckFloatingPointStatus(TrapezoidResult, ResultIts);
    return sum;
}

double SimpsonRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t j = SampleValues::LowerBound; j <= SampleValues::UpperBound;
         j = CheckedIncrement(j)) {
        const double value = values.At(j);
        double stored = 0.0;
        if (j == SampleValues::LowerBound || j == SampleValues::UpperBound)
            stored = sum + value;
        else if (j % 2 != 0)
            stored =
                Stored(sum + value * 4, [&] { return WideDouble(sum) + WideDouble(value) * 4; });
        else // nodes 2 and 4, doubled by adding the value to itself
            stored = Stored(sum + (value + value), [&] {
                return WideDouble(sum) + (WideDouble(value) + WideDouble(value));
            });
        sum = CheckFinite(stored, SimpsonInterim, InterimIts);
    }
    const double integral =
        CheckFinite(Stored((StepWidth * sum) / 3, [&] { return WideDouble(sum) * StepWidth / 3; }),
                    SimpsonResult, ResultIts);
    CheckFloatingPointStatus(SimpsonResult, ResultIts);
    return integral;
}

} // namespace velmora
