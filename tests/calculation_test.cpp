// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/quadrature.h"
#include "calc/sample_values.h"
#include "calc/start_calculation.h"
#include "platform/click_rules.h"
#include "platform/pasted_readings.h"
#include "platform/runtime_error.h"
#include "testing/fake_form.h"
#include "tests/exact_double.h"
#include "tests/raised_error.h"
#include "tests/result_text.h"

#include <QtTest>
#include <array>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <tuple>

using namespace velmora;

using Samples = std::array<double, 7>;
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(std::optional<velmora::Overflow>)

namespace {

SampleValues Filled(const Samples& samples) {
    SampleValues values;
    for (int k = 0; k < 7; ++k)
        values.Store(k, samples[static_cast<std::size_t>(k)]);
    return values;
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

class CalculationTest : public QObject {
    Q_OBJECT

private slots:
    void bothRulesIntegrateTheSamples_data();
    void bothRulesIntegrateTheSamples();
    void everyRegroupingOfEitherRuleIsCaught_data();
    void everyRegroupingOfEitherRuleIsCaught();
    void overflowStopsEachRule_data();
    void overflowStopsEachRule();
    void theRecordHoldsEveryStepAsTheRulesDidIt_data();
    void theRecordHoldsEveryStepAsTheRulesDidIt();
    void theRecordOnDisplayBelongsToTheCaption();
    void staleFlagsFromEarlierWorkDoNotStopARule();
    void sampleValuesStartAtZeroAndCheckTheirBounds();
    void aClickShowsWhatTheFieldsAllow_data();
    void aClickShowsWhatTheFieldsAllow();
    void fieldsAreReadInOrderWithText1Twice();
    void twoClicksGiveTheSameText();
    void aMissingControlIsAPropertyAccessError();
    void aClickFollowsTheClickRules_data();
    void text1SaysMoreOnceItsBoxIsClosed_data();
    void text1SaysMoreOnceItsBoxIsClosed();
    void aClickFollowsTheClickRules();
    void aClickSurvivesEveryException();
    void pastedTextsAreSplitIntoReadings_data();
    void pastedTextsAreSplitIntoReadings();
};

void CalculationTest::bothRulesIntegrateTheSamples_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("trapezoid");
    QTest::addColumn<double>("simpson");

    QTest::newRow("all ones") << Samples{1, 1, 1, 1, 1, 1, 1} << 1200.0 << 1200.0;
    QTest::newRow("linear") << Samples{0, 1, 2, 3, 4, 5, 6} << 3600.0 << 3600.0;
    QTest::newRow("squares") << Samples{0, 1, 4, 9, 16, 25, 36} << 14600.0 << 14400.0;
    QTest::newRow("all zero") << Samples{} << 0.0 << 0.0;
    QTest::newRow("end node only") << Samples{2.5, 0, 0, 0, 0, 0, 0} << 250.0 << 500.0 / 3;
    QTest::newRow("odd node only") << Samples{0, 0, 0, 1, 0, 0, 0} << 200.0 << 800.0 / 3;
    QTest::newRow("negative end") << Samples{0, 0, 0, 0, 0, 0, -3} << -300.0 << -200.0;
    QTest::newRow("even node only") << Samples{0, 0, 1, 0, 0, 0, 0} << 200.0 << 400.0 / 3;
    // Values a user types, where the order of operations shows in the last
    // bit (more of these in everyRegroupingOfEitherRuleIsCaught).
    QTest::newRow("order pinned 1")
        << Samples{106.0, 64.885, 49.02, 95.89, 71.8, -26.39, -17.01} << 59940.0 << 57878.0;
    QTest::newRow("order pinned 2")
        << Samples{36.8, 115.2, -44.4, 8.6, 102.74, 1.87, 116.8} << 52162.0 << 51530.66666666666;
    QTest::newRow("order pinned 3")
        << Samples{71.7, -15.53, 73.8, 61.3, 86.466, 61.1, 126.6} << 73257.2 << 63087.46666666667;
    QTest::newRow("tenths") << Samples{0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7} << 480.0 << 480.0;
}

void CalculationTest::bothRulesIntegrateTheSamples() {
    QFETCH(Samples, samples);
    QFETCH(double, trapezoid);
    QFETCH(double, simpson);
    const SampleValues values = Filled(samples);
    VERIFY_SAME_DOUBLE(TrapezoidRule(values), trapezoid);
    VERIFY_SAME_DOUBLE(SimpsonRule(values), simpson);
}

// Seven values and the exact bits of both results. Made by
// tests/make_order_rows.py: values uniform in [-200, 200] with one to three
// decimals (Python's random, seed 20261208), results computed there in IEEE
// doubles, one rounding per operation in the order the rules are written.
// Each regrouping it knows (trapezoid right to left or in closed form;
// Simpson grouped by weight, right to left, or scaled as sum*(200/3) or
// 200*(sum/3)) changes the result of at least 20 of these rows.
struct OrderRow {
    Samples samples;
    std::uint64_t trapezoid;
    std::uint64_t simpson;
};
constexpr OrderRow OrderRows[] = {
    {{-133.137, 14.3, -54.099, 46.8, 40.4, 39.796, 62.024},
     0x40c42c0cccccccccULL,
     0x40d3dc8ccccccccdULL},
    {{37.43, -137.791, -188.4, -113.40, 130.8, 141.1, -35.5},
     0xc0e0482666666666ULL,
     0xc0e2059ddddddddfULL},
    {{-197.4, 59.96, -68.95, -141.93, 97.72, 47.2, -74.629},
     0xc0dbbcb99999999aULL,
     0xc0d704d111111113ULL},
    {{-170.0, -133.538, -91.88, 29.52, -110.582, -7.304, -141.49},
     0xc0f6ed1cccccccceULL,
     0xc0f2e86ccccccccdULL},
    {{179.9, -162.6, -46.2, -7.4, 116.1, -169.1, 168.48},
     0xc0d28e8000000000ULL,
     0xc0ec432aaaaaaaabULL},
    {{162.0, -154.2, -57.8, -195.980, 195.8, -68.7, -170.852},
     0xc0ebdca666666666ULL,
     0xc0f6ec3777777778ULL},
    {{195.980, -182.84, 30.175, -24.311, 3.6, -154.65, -132.103},
     0xc0ecea3000000001ULL,
     0xc0f56a6777777778ULL},
    {{16.464, -184.0, 107.9, 185.22, -103.2, 149.11, -192.437},
     0x40ca30599999999aULL,
     0x40dc4dc888888888ULL},
    {{88.992, 169.336, 53.33, -54.262, -29.655, -74.5, -5.25},
     0x40d4ba0000000000ULL,
     0x40d319cccccccccbULL},
    {{74.548, -193.2, 121.2, -108.680, 55.93, 20.05, 68.066},
     0xc0ba169999999996ULL,
     0xc0e485b777777777ULL},
    {{155.99, 82.60, -25.5, -48.138, -101.30, 190.7, -163.9},
     0x40d270599999999aULL,
     0x40e4ce2666666667ULL},
    {{26.6, -138.39, 51.1, 174.4, 199.2, -58.4, -58.76},
     0x40e4afc000000000ULL,
     0x40d8aaaaaaaaaaabULL},
    {{72.361, -38.522, 6.66, -90.008, -70.0, -139.891, 18.914},
     0xc0ebf11666666665ULL,
     0xc0f20d3444444444ULL},
    {{10.3, -181.56, 102.291, 34.3, 176.752, -65.664, 62.181},
     0x40d3fdf99999999aULL,
     0xc0cccaf77777777bULL},
    {{-128.01, -43.37, -93.0, -43.36, -105.628, 105.091, 42.790},
     0xc0e5c3eccccccccdULL,
     0xc0daa13333333334ULL},
    {{144.6, -102.6, -185.2, -24.90, -182.713, 41.5, 73.5},
     0xc0f0d6c99999999aULL,
     0xc0ec0d0cccccccccULL},
    {{-10.6, 179.2, 98.4, 75.9, 80.6, 7.32, 155.65}, 0x40f9185000000000ULL, 0x40f945b555555555ULL},
    {{-35.9, -35.510, -174.41, 80.63, 21.0, 42.6, -135.120},
     0xc0dd880000000000ULL,
     0xc0c0880000000000ULL},
    {{-199.3, 40.999, -67.22, 130.742, 143.026, -21.192, -197.147},
     0x40b5fa4cccccccccULL,
     0x40d7440444444443ULL},
    {{173.8, 61.97, -168.934, 132.312, -59.3, 158.696, 124.514},
     0x40eabf8666666666ULL,
     0x40f467fddddddddeULL},
    {{142.911, 25.9, -136.89, 79.7, 66.305, -169.6, -28.3},
     0xc0ce2ff33333332fULL,
     0xc0d265511111110fULL},
    {{-102.679, 81.919, -196.87, 159.06, 16.437, -80.8, 9.1},
     0xc0ca305999999998ULL,
     0x40c8410888888888ULL},
    {{191.99, 17.43, 144.8, 111.2, -177.1, -78.0, 189.4},
     0x40e469a000000000ULL,
     0x40e0e79555555556ULL},
    {{-44.30, 116.0, 110.137, -109.179, 33.386, 43.699, 174.136},
     0x40e94a0666666666ULL,
     0x40e4260444444443ULL},
    {{180.089, -67.3, -185.409, 103.93, 19.0, 112.22, 68.862},
     0x40d4e1d333333333ULL,
     0x40e0a6c666666667ULL},
    {{-136.200, 0.704, -13.7, 187.1, -83.59, 77.755, 147.23},
     0x40e0f8999999999aULL,
     0x40ec9a6222222221ULL},
    {{-29.75, 109.730, 65.73, 29.235, 156.90, -156.9, -108.399},
     0x40da7d0666666667ULL,
     0x40cea5b33333332fULL},
    {{-29.6, -193.61, -179.71, -170.7, -149.06, 149.965, 92.43},
     0xc0f8fc4000000000ULL,
     0xc0f7a26000000000ULL},
    {{195.4, 35.126, 30.01, -159.956, 55.337, 184.7, -102.24},
     0x40e2baecccccccccULL,
     0x40e0627333333333ULL},
    {{-196.635, -25.5, -87.4, -50.831, 164.66, 197.763, -111.29},
     0x40c178f333333336ULL,
     0x40d5a2b777777777ULL},
    {{-195.648, 183.238, 20.8, -101.74, 3.09, 17.17, -96.503},
     0xc0b25f7ffffffffdULL,
     0x40c392088888888aULL},
    {{63.7, -62.5, 160.3, -58.5, 185.742, 59.2, -31.7},
     0x40ed520cccccccceULL,
     0x40df0c1111111111ULL},
    {{106.3, 77.216, -61.04, 51.20, 84.702, -104.82, -21.6},
     0x40d1806666666666ULL,
     0x40cd7aeeeeeeeef0ULL},
    {{-89.7, 115.6, 118.854, -164.58, -5.186, -133.503, -163.3},
     0xc0e312e000000000ULL,
     0xc0e898a222222223ULL},
    {{-177.8, 136.561, 117.74, -198.610, 180.114, -190.700, -106.492},
     0xc0d2f40cccccccceULL,
     0xc0e6c5d555555555ULL},
    {{-39.13, -80.8, -6.3, -16.02, 172.08, -72.673, -53.29},
     0xc0c3804cccccccccULL,
     0xc0dc91ddddddddddULL},
    {{120.0, -71.12, 65.2, 45.9, -186.35, -182.4, 184.1},
     0xc0e1420000000000ULL,
     0xc0e905aaaaaaaaabULL},
    {{176.1, 55.78, -171.265, 186.07, -144.162, -92.032, 53.8},
     0xc0c3c9e666666668ULL,
     0x40c9d29999999999ULL},
    {{102.8, -89.133, 192.175, 135.24, -145.365, -167.5, 10.38},
     0xc0ac1d3333333320ULL,
     0xc0d2263333333332ULL},
    {{-65.37, -123.9, 32.519, 79.726, 111.9, 170.4, -92.6},
     0x40e2b78000000001ULL,
     0x40e4b2199999999aULL},
    {{-106.83, 133.424, -165.1, -25.5, 137.34, 3.0, 145.4},
     0x40d4027333333334ULL,
     0x40dbc86eeeeeeef0ULL},
    {{170.79, -162.0, -114.6, 21.05, -79.88, 16.16, -87.21},
     0xc0eb190000000000ULL,
     0xc0ea308000000001ULL},
    {{-19.58, -33.95, 172.29, -199.41, -175.6, 48.460, 86.31},
     0xc0de3e4000000000ULL,
     0xc0e61e6aaaaaaaabULL},
    {{22.987, -195.1, -155.052, 26.47, 36.444, 78.826, 15.92},
     0xc0e273f666666666ULL,
     0xc0e2260aaaaaaaabULL},
    {{-145.18, 20.85, -71.3, 183.725, -158.3, -108.241, 190.08},
     0xc0d5a4ccccccccccULL,
     0xc09e2bbbbbbbbbc4ULL},
    {{-141.281, 17.35, -26.54, -49.850, 94.41, -34.162, -176.20},
     0xc0dec4a000000000ULL,
     0xc0dd312666666665ULL},
    {{27.558, 160.978, 52.7, -154.65, 12.8, 133.29, 159.7},
     0x40ed2cacccccccccULL,
     0x40ec8a1555555555ULL},
    {{28.15, -166.595, 112.150, 45.556, -79.656, -4.244, -130.42},
     0xc0dc1c3333333332ULL,
     0xc0e186c888888889ULL},
    {{178.0, -25.560, -68.34, -4.1, -90.158, -175.80, -9.536},
     0xc0eb512666666668ULL,
     0xc0ef966eeeeeeeefULL},
    {{-197.6, -186.3, -56.760, -167.68, -123.1, -153.94, -39.570},
     0xc103afc800000000ULL,
     0xc105643000000000ULL},
    {{-157.014, -10.69, -122.380, 146.63, -30.33, -41.470, 115.325},
     0xc0cee47333333334ULL,
     0x40a006cccccccccdULL},
    {{-151.511, 59.18, -40.733, -191.17, 197.7, -7.2, -87.4},
     0xc0d3dbecccccccccULL,
     0xc0df5cf333333333ULL},
    {{-72.19, -170.8, -197.95, 81.08, 25.946, -120.779, -77.4},
     0xc0f654399999999aULL,
     0xc0f5bcf999999999ULL},
    {{33.219, -94.896, -1.6, -35.29, 76.351, -62.200, -177.655},
     0xc0e28a5333333333ULL,
     0xc0e8e2a666666667ULL},
    {{160.44, -94.1, -64.71, -102.05, -51.181, 13.148, -104.49},
     0xc0ea74f333333334ULL,
     0xc0ed8d5555555554ULL},
    {{-121.7, 162.931, 161.39, 116.194, 29.802, 127.105, 187.67},
     0x40fec81666666667ULL,
     0x4100df5222222222ULL},
    {{69.7, 179.860, -177.4, -99.7, -131.61, -24.3, -91.7},
     0xc0e9cbc000000001ULL,
     0xc0db1effffffffffULL},
    {{-167.041, -41.60, -84.189, -15.87, 136.60, -82.7, -28.67},
     0xc0e2205ccccccccdULL,
     0xc0e535bdddddddddULL},
    {{94.11, 157.12, 143.28, -93.29, -152.6, 141.43, -4.33},
     0x40e784c000000000ULL,
     0x40ed0ad555555555ULL},
    {{16.609, 191.567, -6.86, -72.70, 87.9, -167.5, 48.6},
     0x40c9652666666668ULL,
     0x40a10f999999999fULL},
};

void CalculationTest::everyRegroupingOfEitherRuleIsCaught_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("trapezoid");
    QTest::addColumn<double>("simpson");
    int number = 0;
    for (const OrderRow& row : OrderRows)
        QTest::addRow("random row %d", ++number)
            << row.samples << std::bit_cast<double>(row.trapezoid)
            << std::bit_cast<double>(row.simpson);
}

void CalculationTest::everyRegroupingOfEitherRuleIsCaught() {
    bothRulesIntegrateTheSamples();
}

// What each rule gives for values near the top of the double range: the exact
// bits of its result, or the message of its floating-point error. The bits
// were computed independently (exact rationals in Python, each operation
// rounded to 53 bits with an unbounded exponent, each stored value to a
// double).
struct RuleOutcome {
    double value = 0;
    QString message; // empty when the rule gives a result
};
Q_DECLARE_METATYPE(RuleOutcome)

namespace {

const QString TooLarge = QStringLiteral(" zu groß. %1 Betrag liegt über "
                                        "1,79769313486232E+308. Bitte kleinere Werte eingeben.");
RuleOutcome Bits(std::uint64_t bits) {
    return {std::bit_cast<double>(bits), {}};
}
RuleOutcome InterimOverflow(const char* rule) {
    return {0, QStringLiteral("Eine Zwischensumme der %1 ist").arg(QLatin1String(rule)) +
                   TooLarge.arg(QStringLiteral("Ihr"))};
}
RuleOutcome ResultOverflow(const char* rule) {
    return {0, QStringLiteral("Das Ergebnis nach der %1 ist").arg(QLatin1String(rule)) +
                   TooLarge.arg(QStringLiteral("Sein"))};
}

} // namespace

void CalculationTest::overflowStopsEachRule_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<RuleOutcome>("trapezoid");
    QTest::addColumn<RuleOutcome>("simpson");

    const RuleOutcome trapezoidInterim = InterimOverflow("Trapezregel");
    const RuleOutcome simpsonInterim = InterimOverflow("Simpson-Regel");
    const RuleOutcome trapezoidResult = ResultOverflow("Trapezregel");
    const RuleOutcome simpsonResult = ResultOverflow("Simpson-Regel");

    QTest::newRow("first interval")
        << Samples{1e308, 1e308, 0, 0, 0, 0, 0} << trapezoidInterim << simpsonInterim;
    QTest::newRow("negative side")
        << Samples{-1e308, -1e308, 0, 0, 0, 0, 0} << trapezoidInterim << simpsonInterim;
    QTest::newRow("largest double, odd node")
        << Samples{0, 1.7e308, 0, 0, 0, 0, 0} << trapezoidInterim << simpsonInterim;
    // The true integral is 0, yet a sum on the way leaves the range.
    QTest::newRow("an interim sum, though the integral is 0")
        << Samples{0, 1e308, 0, -1e308, 0, 0, 0} << trapezoidInterim << simpsonInterim;
    QTest::newRow("the sum, not a step")
        << Samples{0, 1e306, 1e306, 0, 0, 0, 0} << trapezoidInterim << simpsonResult;
    QTest::newRow("only the last interval's sum") << Samples{0, 0, 0, 0, 8.5e305, 0, 8.5e305}
                                                  << trapezoidResult << Bits(0x7fee42d130773b77ULL);
    QTest::newRow("only Simpson's result")
        << Samples{0, 7.5e305, 0, 0, 0, 0, 0} << Bits(0x7feab36d48e1acf0ULL) << simpsonResult;
    // Values inside a step beyond the range, while the stored value fits:
    // (f0 + f1) * 200 before the halving, 200 * sum before the division by 3.
    QTest::newRow("a product before the halving")
        << Samples{6e305, 6e305, -6e305, 0, 0, 0, 0} << Bits(0x7fd55c576d815726ULL)
        << Bits(0x7fe55c576d815725ULL);
    QTest::newRow("200 times the sum before the division by 3")
        << Samples{0, -2.3e305, 0, 0, 0, 0, 0} << Bits(0xffd0606529498f9eULL)
        << Bits(0xffd5d5dc370cbf7dULL);
    QTest::newRow("all seven near the top, results near the largest double")
        << Samples{1.49e305, 1.49e305, 1.49e305, 1.49e305, 1.49e305, 1.49e305, 1.49e305}
        << Bits(0x7fefd3d42ff67a2dULL) << Bits(0x7fefd3d42ff67a2bULL);
    // f2 + f2 lies beyond the range; the sum it is added to does not.
    QTest::newRow("Simpson's doubled value")
        << Samples{-1.5e308, 0, 1e308, -1.25e307, 0, 0, 0} << trapezoidInterim << Bits(0);
}

void CalculationTest::overflowStopsEachRule() {
    QFETCH(Samples, samples);
    QFETCH(RuleOutcome, trapezoid);
    QFETCH(RuleOutcome, simpson);
    const SampleValues values = Filled(samples);
    const auto check = [](auto rule, const RuleOutcome& expected) {
        if (expected.message.isEmpty()) {
            QCOMPARE(KindRaisedBy([&] { (void)rule(); }), std::optional<ErrorKind>());
            VERIFY_SAME_DOUBLE(rule(), expected.value);
        } else {
            QCOMPARE(KindRaisedBy([&] { (void)rule(); }), std::optional(ErrorKind::FloatingPoint));
            QCOMPARE(MessageRaisedBy([&] { (void)rule(); }), expected.message);
        }
    };
    check([&] { return TrapezoidRule(values); }, trapezoid);
    if (QTest::currentTestFailed())
        return;
    check([&] { return SimpsonRule(values); }, simpson);
}

// What each rule must have recorded, computed here in the order the rules
// are written: each step's term and the sum it stored. Where a step had to
// be done with a wider exponent, the term is checked scaled down by 2^-64,
// where doubles round the same and nothing overflows.
struct ExpectedStep {
    double term;
    double stored;
    bool wide;
};

std::vector<ExpectedStep> TrapezoidSteps(const Samples& y) {
    std::vector<ExpectedStep> steps;
    double sum = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        double a = y[i] + y[i + 1];
        a = a * 200;
        a = a / 2;
        bool wide = false;
        double stored = sum + a;
        if (!std::isfinite(stored)) {
            a = std::ldexp(y[i], -64) + std::ldexp(y[i + 1], -64);
            a = a * 200 / 2;
            stored = std::ldexp(std::ldexp(sum, -64) + a, 64);
            wide = true;
        }
        steps.push_back({a, stored, wide});
        sum = stored;
        if (!std::isfinite(sum))
            break;
    }
    return steps;
}

std::vector<ExpectedStep> SimpsonSteps(const Samples& y) {
    std::vector<ExpectedStep> steps;
    double sum = 0;
    for (std::size_t j = 0; j < 7; ++j) {
        double term = j == 0 || j == 6 ? y[j] : j % 2 != 0 ? y[j] * 4 : y[j] + y[j];
        double stored = sum + term;
        bool wide = false;
        if (!std::isfinite(stored) && j != 0 && j != 6) {
            const double scaled = std::ldexp(y[j], -64);
            term = j % 2 != 0 ? scaled * 4 : scaled + scaled;
            stored = std::ldexp(std::ldexp(sum, -64) + term, 64);
            wide = true;
        }
        steps.push_back({term, stored, wide});
        sum = stored;
        if (!std::isfinite(sum))
            return steps;
    }
    double product = 200 * sum;
    double integral = product / 3;
    bool wide = false;
    if (!std::isfinite(integral)) {
        product = std::ldexp(sum, -64) * 200;
        integral = std::ldexp(product / 3, 64);
        wide = true;
    }
    steps.push_back({product, integral, wide});
    return steps;
}

void CalculationTest::theRecordHoldsEveryStepAsTheRulesDidIt_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<std::optional<Overflow>>("trapezoidStop");
    QTest::addColumn<std::optional<Overflow>>("simpsonStop");
    const std::optional<Overflow> none;
    const auto stop = [](Rule rule, bool result, int step) {
        return std::optional(Overflow{rule, result, step});
    };
    int number = 0;
    for (const OrderRow& row : OrderRows)
        QTest::addRow("random row %d", ++number) << row.samples << none << none;
    QTest::newRow("a strip and Simpson's scaling done wider")
        << Samples{6e305, 6e305, -6e305, 0, 0, 0, 0} << none << none;
    QTest::newRow("a strip of a large and a tiny reading done wider")
        << Samples{1e306, 1e-300, 0, 0, 0, 0, 0} << none << none;
    QTest::newRow("200 times Simpson's sum done wider")
        << Samples{0, -2.3e305, 0, 0, 0, 0, 0} << none << none;
    QTest::newRow("Simpson's doubled value done wider")
        << Samples{-1.5e308, 0, 1e308, -1.25e307, 0, 0, 0} << stop(Rule::Trapezoid, false, 0)
        << none;
    QTest::newRow("the first strip, then Simpson's node 1")
        << Samples{1e308, 1e308, 0, 0, 0, 0, 0} << stop(Rule::Trapezoid, false, 0)
        << stop(Rule::Simpson, false, 1);
    QTest::newRow("the last strip, the trapezoidal result")
        << Samples{0, 0, 0, 0, 8.5e305, 0, 8.5e305} << stop(Rule::Trapezoid, true, 5) << none;
    QTest::newRow("Simpson's scaling, its result")
        << Samples{0, 7.5e305, 0, 0, 0, 0, 0} << none << stop(Rule::Simpson, true, 7);
    QTest::newRow("a Simpson sum on the way, after one done wider")
        << Samples{5e307, -5e307, 5e307, -5e307, 5e307, -5e307, 5e307} << none
        << stop(Rule::Simpson, false, 3);
}

void CalculationTest::theRecordHoldsEveryStepAsTheRulesDidIt() {
    QFETCH(Samples, samples);
    QFETCH(std::optional<Overflow>, trapezoidStop);
    QFETCH(std::optional<Overflow>, simpsonStop);
    const SampleValues values = Filled(samples);
    const std::tuple<double (*)(const SampleValues&, CalculationRecord*), Rule,
                     std::optional<Overflow>, std::vector<ExpectedStep>, std::size_t>
        rules[] = {{TrapezoidRule, Rule::Trapezoid, trapezoidStop, TrapezoidSteps(samples), 5},
                   {SimpsonRule, Rule::Simpson, simpsonStop, SimpsonSteps(samples), 7}};
    for (const auto& [rule, name, stop, expected, last] : rules) {
        CalculationRecord record;
        std::optional<double> result;
        QCOMPARE(KindRaisedBy([&, rule = rule] { result = rule(values, &record); }),
                 stop ? std::optional(ErrorKind::FloatingPoint) : std::nullopt);
        QCOMPARE(record.error.has_value(), stop.has_value());
        if (stop) {
            QCOMPARE(record.error->rule, stop->rule);
            QCOMPARE(record.error->result, stop->result);
            QCOMPARE(record.error->step, stop->step);
        }
        const RuleRecord& done = record.Of(name);
        QCOMPARE(record.Of(name == Rule::Trapezoid ? Rule::Simpson : Rule::Trapezoid).count, 0);
        QCOMPARE(done.count, static_cast<int>(expected.size()));
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const RecordedStep& step = done.steps[k];
            QCOMPARE(step.wideTerm.has_value(), expected[k].wide);
            if (step.wideTerm)
                VERIFY_SAME_DOUBLE(
                    std::ldexp(step.wideTerm->Mantissa(), step.wideTerm->Exponent() - 64),
                    expected[k].term);
            else
                VERIFY_SAME_DOUBLE(step.term, expected[k].term);
            VERIFY_SAME_DOUBLE(step.stored, expected[k].stored);
        }
        // The last value stored is the result, to the last bit.
        QCOMPARE(done.result.has_value(), result.has_value());
        if (result) {
            VERIFY_SAME_DOUBLE(*done.result, *result);
            VERIFY_SAME_DOUBLE(done.steps[last].stored, *result);
        }
    }
}

void CalculationTest::theRecordOnDisplayBelongsToTheCaption() {
    FakeForm form({"1,5", "2", "3", "4", "5", "6", "7"});
    QVERIFY(!form.ResultShown());
    RunClick(form, StartCalculation);
    std::optional<CalculationRecord> shown = form.ResultShown();
    QVERIFY(shown && shown->current);
    QCOMPARE(shown->readings, (std::array<double, 7>{1.5, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(shown->trapezoid.result, std::optional(4850.0));
    QCOMPARE(form.caption, FiveLines.arg("4850", "4833,33333333333").toStdString());

    // A click that fails before its caption leaves the record of the result
    // on display, outdated; one that fails in Simpson's rule shows its own,
    // with what stopped it.
    const std::vector<std::pair<std::vector<std::string>, std::optional<double>>> clicks = {
        {{"1,5", "2", "x", "4", "5", "6", "7"}, 4850.0},
        {{"1e308", "1e308", "0", "0", "0", "0", "0"}, 4850.0},
        {{"0", "7,5e305", "0", "0", "0", "0", "0"}, 1.5e308},
    };
    for (const auto& [texts, trapezoid] : clicks) {
        std::copy(texts.begin(), texts.end(), form.texts.begin());
        RunClick(form, StartCalculation);
        shown = form.ResultShown();
        QVERIFY(shown);
        QCOMPARE(shown->trapezoid.result, trapezoid);
    }
    QVERIFY(shown->current);
    QCOMPARE(shown->readings[1], 7.5e305);
    QVERIFY(!shown->simpson.result);
    QVERIFY(shown->error && shown->error->rule == Rule::Simpson && shown->error->result);
    QCOMPARE(form.caption, TwoLines.arg("1,5E+308").toStdString());

    // Text1 is read twice and its text used as read the second time.
    FakeForm changing({"1", "1", "1", "1", "1", "1", "1"});
    changing.secondReadOfText1 = "2";
    RunClick(changing, StartCalculation);
    QCOMPARE(changing.ResultShown()->readings[0], 2.0);
}

void CalculationTest::staleFlagsFromEarlierWorkDoNotStopARule() {
    const SampleValues values = Filled({1, 1, 1, 1, 1, 1, 1});
    std::feraiseexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    VERIFY_SAME_DOUBLE(TrapezoidRule(values), 1200.0);
    std::feraiseexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    VERIFY_SAME_DOUBLE(SimpsonRule(values), 1200.0);
}

void CalculationTest::sampleValuesStartAtZeroAndCheckTheirBounds() {
    SampleValues values;
    for (int k = 0; k <= 6; ++k)
        QCOMPARE(values.At(k), 0.0);
    QCOMPARE(KindRaisedBy([&] { (void)values.At(7); }), std::optional(ErrorKind::Bounds));
    QCOMPARE(KindRaisedBy([&] { values.Store(-1, 1.0); }), std::optional(ErrorKind::Bounds));
}

void CalculationTest::aClickShowsWhatTheFieldsAllow_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("captions"); // every caption Label10 was given
    QTest::addColumn<QStringList>("messages"); // every message box shown
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const QStringList none;
    const QStringList noNumber{QStringLiteral("Wert ist keine Zahl!")};
    const QStringList ones{"1", "1", "1", "1", "1", "1", "1"};

    QTest::newRow("all ones") << ones
                              << QStringList{TwoLines.arg("1200"), FiveLines.arg("1200", "1200")}
                              << none << std::optional<ErrorKind>();
    QTest::newRow("end node 2,5") << QStringList{"2,5", "0", "0", "0", "0", "0", "0"}
                                  << QStringList{TwoLines.arg("250"),
                                                 FiveLines.arg("250", "166,666666666667")}
                                  << none << std::optional<ErrorKind>();
    QTest::newRow("points, blanks and exponents")
        << QStringList{" 1.5", "2,5", "1e1", "-0,5", "+3", "0.25 ", "7"}
        << QStringList{TwoLines.arg("3900"), FiveLines.arg("3900", "2900")} << none
        << std::optional<ErrorKind>();
    QTest::newRow("Text1 empty") << QStringList{"", "1", "1", "1", "1", "1", "1"} << none
                                 << noNumber << std::optional<ErrorKind>();
    QTest::newRow("Text1 abc") << QStringList{"abc", "x", "", "", "", "", ""} << none << noNumber
                               << std::optional<ErrorKind>();
    QTest::newRow("Text2 empty") << QStringList{"1", "", "1", "1", "1", "1", "1"} << none << none
                                 << std::optional(ErrorKind::Conversion);
    QTest::newRow("Text7 abc") << QStringList{"1", "1", "1", "1", "1", "1", "abc"} << none << none
                               << std::optional(ErrorKind::Conversion);
    QTest::newRow("overflow in the trapezoidal rule")
        << QStringList{"1e308", "1e308", "0", "0", "0", "0", "0"} << none << none
        << std::optional(ErrorKind::FloatingPoint);
    QTest::newRow("overflow in the Simpson rule keeps lines 1-2")
        << QStringList{"0", "7,5e305", "0", "0", "0", "0", "0"}
        << QStringList{TwoLines.arg("1,5E+308")} << none << std::optional(ErrorKind::FloatingPoint);
    QTest::newRow("200 times the sum beyond the range, the result not")
        << QStringList{"0", "-2,3e305", "0", "0", "0", "0", "0"}
        << QStringList{TwoLines.arg("-4,6E+307"),
                       FiveLines.arg("-4,6E+307", "-6,13333333333333E+307")}
        << none << std::optional<ErrorKind>();
    // The strip of a large and a tiny reading is done again wider, aligned to
    // the larger exponent: aligned to the smaller one, the large reading
    // would be scaled beyond any double.
    QTest::newRow("a strip of a large and a tiny reading done wider")
        << QStringList{"1e306", "1e-300", "0", "0", "0", "0", "0"}
        << QStringList{TwoLines.arg("1E+308"), FiveLines.arg("1E+308", "6,66666666666667E+307")}
        << none << std::optional<ErrorKind>();
}

void CalculationTest::aClickShowsWhatTheFieldsAllow() {
    QFETCH(QStringList, fields);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, messages);
    QFETCH(std::optional<ErrorKind>, error);

    std::vector<std::string> texts;
    for (const QString& field : fields)
        texts.push_back(field.toStdString());
    FakeForm form(texts);
    form.SetResultCaption("earlier result");
    form.captionHistory.clear();

    // As the click rules run it: a click that sets no caption leaves the
    // earlier result outdated.
    form.BeginCommand();
    QCOMPARE(KindRaisedBy([&] { StartCalculation(form); }), error);
    form.EndCommand();
    QCOMPARE(form.resultCurrent, !captions.isEmpty());
    QCOMPARE(ToQt(form.captionHistory), captions);
    QCOMPARE(ToQt(form.messages), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(form.buttonCodes, std::vector<int>{0});
        QCOMPARE(form.reads, std::vector<std::string>{"Text1"});
    }
    if (captions.isEmpty())
        QCOMPARE(form.caption, std::string("earlier result"));
}

void CalculationTest::fieldsAreReadInOrderWithText1Twice() {
    FakeForm valid({"1", "2", "3", "4", "5", "6", "7"});
    StartCalculation(valid);
    QCOMPARE(ToQt(valid.reads),
             QStringList({"Text1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}));

    // Each field is converted before the next one is read.
    FakeForm badThird({"1", "2", "x", "4", "5", "6", "7"});
    QCOMPARE(KindRaisedBy([&] { StartCalculation(badThird); }),
             std::optional(ErrorKind::Conversion));
    QCOMPARE(ToQt(badThird.reads), QStringList({"Text1", "Text1", "Text2", "Text3"}));
}

void CalculationTest::twoClicksGiveTheSameText() {
    FakeForm form({"106", "64,885", "49,02", "95,89", "71,8", "-26,39", "-17,01"});
    StartCalculation(form);
    const std::string first = form.caption;
    StartCalculation(form);
    QCOMPARE(form.caption, first);
    QCOMPARE(QString::fromStdString(first), FiveLines.arg("59940", "57878"));
}

void CalculationTest::aMissingControlIsAPropertyAccessError() {
    FakeForm form({"1", "1", "1", "1", "1", "1", "1"});
    form.hasLabel10 = false;
    QCOMPARE(KindRaisedBy([&] { StartCalculation(form); }),
             std::optional(ErrorKind::PropertyAccess));
    FakeForm noText5({"1", "1", "1", "1", "1", "1", "1"});
    noText5.texts.resize(4);
    QCOMPARE(KindRaisedBy([&] { StartCalculation(noText5); }),
             std::optional(ErrorKind::PropertyAccess));
}

const QString OutdatedSentence =
    QStringLiteral("Das Ergebnis gehört nicht mehr zu den aktuellen Werten.");

void CalculationTest::aClickFollowsTheClickRules_data() {
    QTest::addColumn<bool>("earlierResult"); // whether a result is on display before
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("boxes"); // every box shown, message or error
    QTest::addColumn<int>("focus");         // the field focused afterwards, 0 for none
    QTest::addColumn<bool>("current");      // how the result looks afterwards
    QTest::addColumn<int>("outdatedMarks");
    QTest::addColumn<QString>("heard"); // what screen readers are told, after every box

    const QStringList ones{"1", "1", "1", "1", "1", "1", "1"};
    const QString noNumber = QStringLiteral("Wert ist keine Zahl!");
    const QString outdated = OutdatedSentence;
    QTest::newRow("a result")
        << true << ones << QStringList() << 0 << true << 0
        << "Ergebnis nach der Trapezregel: F = 1200; Ergebnis nach der Simpson-Regel: F = 1200";
    QTest::newRow("Text1: the message, then the focus there")
        << true << QStringList{"abc", "1", "1", "1", "1", "1", "1"} << QStringList{noNumber} << 1
        << false << 1 << outdated;
    QTest::newRow("an empty box is never called outdated")
        << false << QStringList{"", "1", "1", "1", "1", "1", "1"} << QStringList{noNumber} << 1
        << true << 0 << QString();
    QTest::newRow("one bad field")
        << true << QStringList{"1", "1", "x", "1", "1", "1", "1"}
        << QStringList{"Im Feld „Text3“ steht keine Zahl: „x“. Bitte eine Zahl schreiben, zum "
                       "Beispiel 12,5 oder -0,25."}
        << 3 << false << 1 << outdated;
    QTest::newRow("one box names every bad field, the focus goes to the first")
        << true << QStringList{"1", "1.234", "1", "2.345", "", "1", "1"}
        << QStringList{"Im Feld „Text2“ steht „1.234“. Das ist mehrdeutig (Tausenderpunkt oder "
                       "Dezimalpunkt?). Bitte 1234 oder 1,234 schreiben.\nAuch die Felder "
                       "„Text4“ und „Text5“ enthalten keine Zahl."}
        << 2 << false << 1 << outdated;
    QTest::newRow("one further bad field")
        << true << QStringList{"1", "1", "1", "1", "1", "x", "1 kg"}
        << QStringList{"Im Feld „Text6“ steht keine Zahl: „x“. Bitte eine Zahl schreiben, zum "
                       "Beispiel 12,5 oder -0,25.\nAuch das Feld „Text7“ enthält keine Zahl."}
        << 6 << false << 1 << outdated;
    // After an overflow no field is to blame: the focus stays where it was,
    // so the next key types over no reading.
    QTest::newRow("an overflow in the trapezoid rule")
        << true << QStringList{"0", "1e308", "0", "-1e308", "0", "0", "0"}
        << QStringList{"Eine Zwischensumme der Trapezregel ist zu groß. Ihr Betrag liegt über "
                       "1,79769313486232E+308. Bitte kleinere Werte eingeben."}
        << 0 << false << 1 << outdated;
    QTest::newRow("an overflow in the Simpson rule: lines 1-2 are current")
        << true << QStringList{"0", "7,5e305", "0", "0", "0", "0", "0"}
        << QStringList{"Das Ergebnis nach der Simpson-Regel ist zu groß. Sein Betrag liegt über "
                       "1,79769313486232E+308. Bitte kleinere Werte eingeben."}
        << 0 << true << 0 << "Ergebnis nach der Trapezregel: F = 1,5E+308";
}

void CalculationTest::aClickFollowsTheClickRules() {
    QFETCH(bool, earlierResult);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, boxes);
    QFETCH(int, focus);
    QFETCH(bool, current);
    QFETCH(int, outdatedMarks);
    QFETCH(QString, heard);

    std::vector<std::string> texts;
    for (const QString& field : fields)
        texts.push_back(field.toStdString());
    FakeForm form(texts);
    if (earlierResult)
        form.SetResultCaption("earlier result");
    RunClick(form, StartCalculation);

    QStringList shown = ToQt(form.messages) + ToQt(form.errorBoxes);
    QCOMPARE(shown, boxes);
    // Every box shows over a result already marked as it will stay.
    for (const bool whileShown : form.resultCurrentWhileBoxShown)
        QCOMPARE(whileShown, current);
    QCOMPARE(form.focusedField.value_or(0), focus);
    QCOMPARE(form.resultCurrent, current);
    QCOMPARE(form.outdatedMarks, outdatedMarks);
    // Said once, and only once every box of the click is closed.
    QCOMPARE(ToQt(form.announcements), heard.isEmpty() ? QStringList() : QStringList{heard});
    if (!heard.isEmpty())
        QCOMPARE(form.boxesBeforeAnnouncement.front(), static_cast<std::size_t>(boxes.size()));

    // A second such click marks nothing again; it says a new result again,
    // but an outdated one never twice.
    const std::size_t saidBefore = form.announcements.size();
    RunClick(form, StartCalculation);
    QCOMPARE(form.outdatedMarks, outdatedMarks);
    const bool resultShown = current && !heard.isEmpty();
    QCOMPARE(form.announcements.size() - saidBefore, resultShown ? 1U : 0U);

    // An edit outdates a current result at once and says so at once, once.
    const auto beforeEdit = static_cast<qsizetype>(form.announcements.size());
    form.MarkResultOutdated();
    form.MarkResultOutdated();
    QCOMPARE(ToQt(form.announcements).mid(beforeEdit),
             resultShown ? QStringList{OutdatedSentence} : QStringList());
}

void CalculationTest::text1SaysMoreOnceItsBoxIsClosed_data() {
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("explained"); // Text1's tooltip afterwards, empty for none

    QTest::newRow("1.125 from an English sheet")
        << "1.125"
        << "Im Feld „Text1“ steht „1.125“. Das ist mehrdeutig (Tausenderpunkt oder "
           "Dezimalpunkt?). Bitte 1125 oder 1,125 schreiben.";
    QTest::newRow("a unit after the number")
        << "1,5 kg"
        << "Im Feld „Text1“ steht „1,5 kg“. Bitte nur die Zahl schreiben, also 1,5.";
    // The box already says all there is to say.
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("abc") << "abc" << QString();
    QTest::newRow("a number: no box, nothing to explain") << "1,5" << QString();
}

void CalculationTest::text1SaysMoreOnceItsBoxIsClosed() {
    QFETCH(QString, text1);
    QFETCH(QString, explained);
    FakeForm form({text1.toStdString(), "1", "1", "1", "1", "1", "1"});
    RunClick(form, StartCalculation);
    QCOMPARE(ToQt(form.messages),
             text1 == "1,5" ? QStringList() : QStringList{QStringLiteral("Wert ist keine Zahl!")});
    QStringList got;
    for (const auto& [field, why] : form.explained)
        got << QString::number(field) + ": " + QString::fromStdString(why);
    QCOMPARE(got, explained.isEmpty() ? QStringList() : QStringList{"1: " + explained});
    // The box's own rules hold: the focus goes back to Text1.
    if (!form.messages.empty())
        QCOMPARE(form.focusedField, std::optional(1));
}

void CalculationTest::aClickSurvivesEveryException() {
    const std::pair<Command, const char*> cases[] = {
        {[](ControlAccess&) { throw std::bad_alloc(); }, "Nicht genügend Arbeitsspeicher."},
        {[](ControlAccess&) { throw std::runtime_error("kaputt"); }, "Unerwarteter Fehler: kaputt"},
        {[](ControlAccess& form) { (void)form.FieldText(9); },
         "Zugriff auf die Eigenschaft „Text“ von „Text9“ fehlgeschlagen."},
    };
    for (const auto& [command, message] : cases) {
        FakeForm form({"1"});
        form.SetResultCaption("earlier result");
        RunClick(form, command);
        QCOMPARE(ToQt(form.errorBoxes), QStringList{QString::fromUtf8(message)});
        QCOMPARE(form.resultCurrentWhileBoxShown, std::vector<bool>{false});
        QVERIFY(!form.focusedField.has_value());
    }
}

void CalculationTest::pastedTextsAreSplitIntoReadings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QString>("refusal");

    const QStringList seven{"1,5", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("no separator: pasted as typed") << "1,5" << 1 << false << QStringList() << "";
    QTest::newRow("a column with its trailing break") << "1,5\n2\n3\n4\n5\n6\n7\n"
                                                      << 1 << true << seven << "";
    QTest::newRow("a column from Windows, CR LF") << "1,5\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"
                                                  << 1 << true << seven << "";
    QTest::newRow("a row, tabs") << "1,5\t2\t3\t4\t5\t6\t7\n" << 1 << true << seven << "";
    QTest::newRow("a German CSV line") << "1,5;2;3;4;5;6;7" << 1 << true << seven << "";
    QTest::newRow("one copied cell") << "1,5\r\n" << 4 << true << QStringList{"1,5"} << "";
    QTest::newRow("pieces trimmed, an empty cell stays empty")
        << " 1,5 \n\n 3\n"
        << 2 << true << QStringList{"1,5", "", "3"} << "";
    QTest::newRow("only the trailing break is dropped")
        << "1\n2\n\n"
        << 5 << true << QStringList{"1", "2", ""} << "";
    QTest::newRow("the temperatures beside the values")
        << "-200\t1,5\n0\t2\n200\t3\n400\t4\n600\t5\n800\t6\n1000\t7\n"
        << 1 << true << seven << "";
    QTest::newRow("the temperatures from the field pasted into on")
        << "400;4\n600;5\n800;6\n1000;7\n"
        << 4 << true << QStringList{"4", "5", "6", "7"} << "";
    QTest::newRow("temperatures that do not match its field")
        << "-200\t1,5\n0\t2\n"
        << 3 << true << QStringList()
        << "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur die Spalte mit den "
           "Messwerten kopieren.";
    QTest::newRow("three columns")
        << "-200\t1\t2\n0\t3\t4\n"
        << 1 << true << QStringList()
        << "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur die Spalte mit den "
           "Messwerten kopieren.";
    QTest::newRow("more pieces than fields from there down")
        << "1\n2\n3\n4\n5\n"
        << 4 << true << QStringList()
        << "Ab dem Feld „Text4“ ist Platz für 4 Werte; eingefügt wurden 5. Für „5“ ist kein Feld "
           "mehr frei.";
    QTest::newRow("room for one")
        << "1\t2" << 7 << true << QStringList()
        << "Ab dem Feld „Text7“ ist Platz für 1 Wert; eingefügt wurden 2. Für „2“ ist kein Feld "
           "mehr frei.";
    QTest::newRow("what does not fit, named")
        << "1\n2\n3\n4\n5\n6\n7\n8\n\n"
        << 1 << true << QStringList()
        << "Ab dem Feld „Text1“ ist Platz für 7 Werte; eingefügt wurden 9. Für „8“ und „“ ist kein "
           "Feld mehr frei.";
    QTest::newRow("many that do not fit, the first three named")
        << "1;2;3;4;5;6;7;8;9;10;11;12" << 2 << true << QStringList()
        << "Ab dem Feld „Text2“ ist Platz für 6 Werte; eingefügt wurden 12. Für „7“, „8“, „9“ und "
           "3 "
           "weitere ist kein Feld mehr frei.";
    QTest::newRow("a heading cell above the column") << "Messwert\n1,5\n2\n3\n4\n5\n6\n7\n"
                                                     << 1 << true << seven << "";
    QTest::newRow("a heading row above two columns")
        << "T in °C\tMesswert\n-200\t1,5\n0\t2\n200\t3\n400\t4\n600\t5\n800\t6\n1000\t7\n"
        << 1 << true << seven << "";
    QTest::newRow("a heading cell before a row")
        << "Wert;1,5;2;3;4;5;6;7" << 1 << true << seven << "";
    QTest::newRow("no heading where another cell holds no number")
        << "Messwert\n1,5\nx\n"
        << 5 << true << QStringList{"Messwert", "1,5", "x"} << "";
    QTest::newRow("no heading where a cell below is empty")
        << "Messwert\n1,5\n\n3\n"
        << 4 << true << QStringList{"Messwert", "1,5", "", "3"} << "";
    QTest::newRow("a heading is no temperature: the block is still refused")
        << "T\tWert\n-200\t1,5\n5\t2\n"
        << 1 << true << QStringList()
        << "Eingefügt wurde eine Tabelle mit mehreren Spalten. Bitte nur die Spalte mit den "
           "Messwerten kopieren.";
    QTest::newRow("exactly the room left") << "6;7" << 6 << true << QStringList{"6", "7"} << "";
}

void CalculationTest::pastedTextsAreSplitIntoReadings() {
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(bool, split);
    QFETCH(QStringList, pieces);
    QFETCH(QString, refusal);

    const std::string caption = "Text" + std::to_string(field);
    const std::optional<PastedReadings> pasted =
        SplitPastedReadings(text.toStdString(), field, caption);
    QCOMPARE(pasted.has_value(), split);
    if (!pasted)
        return;
    QCOMPARE(ToQt(pasted->pieces), pieces);
    QCOMPARE(QString::fromStdString(pasted->refusal), refusal);
}

QTEST_APPLESS_MAIN(CalculationTest)
#include "calculation_test.moc"
