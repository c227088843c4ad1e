#include "calc/quadrature.h"

#include "platform/checked.h"

#include <cstdint>

// The operations below are written, and compiled with -ffp-contract=off, so
// that each rounds exactly where it stands. Rearranging them (into the closed
// form 100*(f0 + 2*f1 + ... + f6), say) changes the last bit of the results.

namespace velmora {

double TrapezoidRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t i = 0; i <= 5; i = CheckedIncrement(i)) {
        double a = values.At(i) + values.At(i + 1);
        a = a * StepWidth;
        a = a / 2;
        sum = CheckedStore(sum + a);
    }
    CheckFloatingPointStatus();
    return sum;
}

double SimpsonRule(const SampleValues& values) {
    ClearFloatingPointStatus();
    double sum = 0.0;
    for (std::int16_t j = 0; j <= 6; j = CheckedIncrement(j)) {
        if (j == 0 || j == 6)
            sum = CheckedStore(sum + values.At(j));
        else if (j % 2 != 0)
            sum = CheckedStore(sum + values.At(j) * 4);
        else // nodes 2 and 4, doubled by adding the value to itself
            sum = CheckedStore(sum + (values.At(j) + values.At(j)));
    }
    const double integral = CheckedStore((StepWidth * sum) / 3);
    CheckFloatingPointStatus();
    return integral;
}

} // namespace velmora
