// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/quadrature.h"

#include "platform/checked.h"
#include "platform/wide_double.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

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

// One rule's steps, recorded where the calculation keeps a record (each rule
// is compiled twice, with a record and without, so that a rule run for its
// result alone does no more than its arithmetic). A step whose stored value
// left the double range is done again with a wider exponent; if it still
// does not fit, it stops the rule with what happened: which rule, which step,
// a sum or the result. The ordinary step costs one test, which a rule makes
// anyway; doing a step again is kept out of its way.
template <bool Recorded> class Steps {
public:
    Steps(Rule rule, CalculationRecord* record) : m_rule(rule), m_calculation(record) {
        ClearFloatingPointStatus();
    }

    void Record(int step, double term, double stored) {
        if constexpr (Recorded)
            Write(step, {term, std::nullopt, stored});
    }

    // A step done again: its term formed anew with a wider exponent, and
    // the value it stores from its sum so far. The first attempt's overflow
    // is then no overflow of the step, so its flag is cleared.
    [[gnu::noinline]] double Again(int step, bool result, double term, double sum,
                                   WideDouble wideTerm) {
        return Checked(step, result, {term, wideTerm, (WideDouble(sum) + wideTerm).ToDouble()});
    }

    // Simpson's scaling done again: 200 × sum, then the division by 3.
    [[gnu::noinline]] double ScaledAgain(int step, double product, double sum) {
        const WideDouble wideProduct = WideDouble(sum) * StepWidth;
        return Checked(step, true, {product, wideProduct, (wideProduct / 3).ToDouble()});
    }

    // A step with nothing to do again: a reading added as it is.
    [[noreturn, gnu::noinline]] void Stop(int step, double term, double stored) {
        Write(step, {term, std::nullopt, stored});
        Stop(step, false);
    }

    // The result, once the sticky flags show that no step failed unseen.
    double Finish(int lastStep, double result) {
        if (FloatingPointStatusRaised())
            Stop(lastStep, true);
        if constexpr (Recorded)
            m_calculation->Of(m_rule).result = result;
        return result;
    }

private:
    void Write(int step, const RecordedStep& done) {
        if constexpr (Recorded) {
            RuleRecord& steps = m_calculation->Of(m_rule);
            steps.steps[static_cast<std::size_t>(step)] = done;
            steps.count = step + 1;
        }
    }

    double Checked(int step, bool result, const RecordedStep& done) {
        Write(step, done);
        if (!std::isfinite(done.stored))
            Stop(step, result);
        ClearFloatingPointStatus();
        return done.stored;
    }

    [[noreturn]] void Stop(int step, bool result) {
        const Overflow what{m_rule, result, step};
        if constexpr (Recorded)
            m_calculation->error = what;
        RaiseFloatingPointError(what);
    }

    Rule m_rule;
    CalculationRecord* m_calculation;
};

// The terms of the steps that can be done again, formed with a wider
// exponent. Apart, so that the rules' own loops keep their values in
// registers.
[[gnu::noinline]] WideDouble WideStrip(double left, double right) {
    return (WideDouble(left) + WideDouble(right)) * StepWidth / 2;
}

[[gnu::noinline]] WideDouble WideWeighted(double value, bool odd) {
    return odd ? WideDouble(value) * 4 : WideDouble(value) + WideDouble(value);
}

template <bool Recorded> double Trapezoid(const SampleValues& values, CalculationRecord* record) {
    Steps<Recorded> steps(Rule::Trapezoid, record);
    double sum = 0.0;
    for (std::int16_t i = SampleValues::LowerBound; i <= SampleValues::LastInterval;
         i = CheckedIncrement(i)) {
        const double left = values.At(i);
        const double right = values.At(i + 1);
        double a = left + right;
        a = a * StepWidth;
        a = a / 2;
        const double stored = sum + a;
        if (std::isfinite(stored)) [[likely]] {
            steps.Record(i, a, stored);
            sum = stored;
        } else {
            sum = steps.Again(i, i == SampleValues::LastInterval, a, sum, WideStrip(left, right));
        }
    }
    return steps.Finish(SampleValues::LastInterval, sum);
}

template <bool Recorded> double Simpson(const SampleValues& values, CalculationRecord* record) {
    Steps<Recorded> steps(Rule::Simpson, record);
    double sum = 0.0;
    for (std::int16_t j = SampleValues::LowerBound; j <= SampleValues::UpperBound;
         j = CheckedIncrement(j)) {
        const double value = values.At(j);
        double term = value;
        if (j == SampleValues::LowerBound || j == SampleValues::UpperBound)
            term = value;
        else if (j % 2 != 0)
            term = value * 4;
        else // nodes 2 and 4, doubled by adding the value to itself
            term = value + value;
        const double stored = sum + term;
        if (std::isfinite(stored)) [[likely]] {
            steps.Record(j, term, stored);
            sum = stored;
        } else if (j == SampleValues::LowerBound || j == SampleValues::UpperBound) {
            steps.Stop(j, term, stored);
        } else {
            sum = steps.Again(j, false, term, sum, WideWeighted(value, j % 2 != 0));
        }
    }

    // 200 times the sum first, then the division by 3.
    constexpr int Scaling = SampleValues::UpperBound + 1;
    const double product = StepWidth * sum;
    double integral = product / 3;
    if (std::isfinite(integral)) [[likely]]
        steps.Record(Scaling, product, integral);
    else
        integral = steps.ScaledAgain(Scaling, product, sum);
    return steps.Finish(Scaling, integral);
}

// The recorded rules on their own, so that the rules without a record keep
// their few registers.
[[gnu::noinline]] double RecordedTrapezoid(const SampleValues& values, CalculationRecord* record) {
    return Trapezoid<true>(values, record);
}

[[gnu::noinline]] double RecordedSimpson(const SampleValues& values, CalculationRecord* record) {
    return Simpson<true>(values, record);
}

} // namespace

double TrapezoidRule(const SampleValues& values, CalculationRecord* record) {
    if (record != nullptr)
        return RecordedTrapezoid(values, record);
    return Trapezoid<false>(values, nullptr);
}

double SimpsonRule(const SampleValues& values, CalculationRecord* record) {
    if (record != nullptr)
        return RecordedSimpson(values, record);
    return Simpson<false>(values, nullptr);
}

} // namespace velmora
