#include "calc/quadrature.h"

#include "platform/checked.h"

#include <cstdint>

// The operations below are written, and compiled with -ffp-contract=off, so
// that each rounds exactly where it stands. Rearranging them (into the closed
// form 100*(f0 + 2*f1 + ... + f6), say) changes the last bit of the results.

namespace velmora {

namespace {

// What the overflow message names.
constexpr std::string_view TrapezoidResult = "Das Ergebnis nach der Trapezregel";
constexpr std::string_view SimpsonResult = "Das Ergebnis nach der Simpson-Regel";

} // namespace

double TrapezoidRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t i = SampleValues::LowerBound; i <= SampleValues::LastInterval;
         i = CheckedIncrement(i)) {
        double a = values.At(i) + values.At(i + 1);
        a = a * StepWidth;
        a = a / 2;
        sum = CheckFinite(sum + a, TrapezoidResult);
    }
    CheckFloatingPointStatus(TrapezoidResult);
    return sum;
}

double SimpsonRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t j = SampleValues::LowerBound; j <= SampleValues::UpperBound;
         j = CheckedIncrement(j)) {
        if (j == SampleValues::LowerBound || j == SampleValues::UpperBound)
            sum = CheckFinite(sum + values.At(j), SimpsonResult);
        else if (j % 2 != 0)
            sum = CheckFinite(sum + values.At(j) * 4, SimpsonResult);
        else // nodes 2 and 4, doubled by adding the value to itself
            sum = CheckFinite(sum + (values.At(j) + values.At(j)), SimpsonResult);
    }
    const double integral = CheckFinite((StepWidth * sum) / 3, SimpsonResult);
    CheckFloatingPointStatus(SimpsonResult);
    return integral;
}

} // namespace velmora
