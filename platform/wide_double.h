// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace velmora {

// A double with a wider exponent range: a mantissa in [0.5, 1), or zero,
// times a power of two. Each operation rounds its mantissa to 53 bits exactly
// as the same double operation rounds, since scaling by a power of two
// changes no rounding; only the exponent cannot overflow. The rules use it to
// redo a step whose intermediate left the double range, so such values are
// large: none of these operations comes near the subnormal range, where
// rounding would differ.
class WideDouble {
public:
    explicit WideDouble(double value) : m_mantissa(std::frexp(value, &m_exponent)) {}

    friend WideDouble operator+(WideDouble left, WideDouble right) {
        if (left.m_mantissa == 0.0)
            return right;
        if (right.m_mantissa == 0.0)
            return left;
        // Aligned to the larger exponent; a smaller operand that becomes
        // subnormal here lies far below half a unit of the larger, so the
        // rounded sum is the same.
        const int exponent =
            left.m_exponent > right.m_exponent ? left.m_exponent : right.m_exponent;
        return Scaled(std::ldexp(left.m_mantissa, left.m_exponent - exponent) +
                          std::ldexp(right.m_mantissa, right.m_exponent - exponent),
                      exponent);
    }

    friend WideDouble operator*(WideDouble left, double factor) {
        return Scaled(left.m_mantissa * factor, left.m_exponent);
    }

    friend WideDouble operator/(WideDouble left, double divisor) {
        return Scaled(left.m_mantissa / divisor, left.m_exponent);
    }

    // Infinite where the value lies beyond the double range.
    [[nodiscard]] double ToDouble() const { return std::ldexp(m_mantissa, m_exponent); }
    // The value is Mantissa() × 2^Exponent(), the mantissa in [0.5, 1) or 0.
    [[nodiscard]] double Mantissa() const { return m_mantissa; }
    [[nodiscard]] int Exponent() const { return m_exponent; }

private:
    static WideDouble Scaled(double mantissa, int exponent) {
        WideDouble result(mantissa);
        result.m_exponent += result.m_mantissa == 0.0 ? 0 : exponent;
        return result;
    }

    int m_exponent = 0; // before the mantissa: the constructor's frexp writes it
    double m_mantissa;
};

} // namespace velmora
