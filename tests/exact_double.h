// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtTest>
#include <bit>
#include <cstdint>

// QCOMPARE on doubles is fuzzy; results here must match bit for bit
// (which also tells -0.0 from 0.0).
inline bool SameDouble(double actual, double expected) {
    return std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected);
}

#define VERIFY_SAME_DOUBLE(actual, expected)                                                       \
    do {                                                                                           \
        const double actualValue = (actual);                                                       \
        const double expectedValue = (expected);                                                   \
        QVERIFY2(SameDouble(actualValue, expectedValue),                                           \
                 qPrintable(QStringLiteral("got %1, expected %2")                                  \
                                .arg(actualValue, 0, 'g', 17)                                      \
                                .arg(expectedValue, 0, 'g', 17)));                                 \
    } while (false)
