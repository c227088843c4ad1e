#include "exact_double.h"
#include "fake_form.h"
#include "quadrature.h"
#include "result_text.h"
#include "runtime_error.h"
#include "sample_values.h"
#include "start_calculation.h"

#include <QtTest>
#include <array>
#include <cfenv>
#include <optional>

using namespace velmora;

using Samples = std::array<double, 7>;
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(std::optional<ErrorKind>)

namespace {

SampleValues Filled(const Samples& samples) {
    SampleValues values;
    for (int k = 0; k < 7; ++k)
        values.Store(k, samples[static_cast<std::size_t>(k)]);
    return values;
}

template <typename Action> std::optional<ErrorKind> KindRaisedBy(Action action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
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
    void overflowStopsEachRule_data();
    void overflowStopsEachRule();
    void staleFlagsFromEarlierWorkDoNotStopARule();
    void sampleValuesStartAtZeroAndCheckTheirBounds();
    void aClickShowsWhatTheFieldsAllow_data();
    void aClickShowsWhatTheFieldsAllow();
    void fieldsAreReadInOrderWithText1Twice();
    void twoClicksGiveTheSameText();
    void aMissingControlIsAPropertyAccessError();
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
    // In the rows below the exact order of operations shows in the last bit:
    // the closed form 100*(f0 + 2*f1 + ... + f6) of the trapezoidal rule, and
    // Simpson's scaling as sum*(200/3) or 200*(sum/3), all give other doubles.
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

void CalculationTest::overflowStopsEachRule_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<bool>("trapezoidOverflows");

    QTest::newRow("first interval") << Samples{1e308, 1e308, 0, 0, 0, 0, 0} << true;
    QTest::newRow("last interval") << Samples{0, 0, 0, 0, 0, 1e308, 1e308} << true;
    QTest::newRow("the sum, not a step") << Samples{0, 1e306, 1e306, 0, 0, 0, 0} << true;
    // (f0 + f1) * 200 overflows although the halved value would fit: the
    // product is held as a double, so the step fails.
    QTest::newRow("product before halving") << Samples{6e305, 6e305, 0, 0, 0, 0, 0} << true;
    QTest::newRow("negative side") << Samples{-1e308, -1e308, 0, 0, 0, 0, 0} << true;
    QTest::newRow("largest double, odd node") << Samples{0, 1.7e308, 0, 0, 0, 0, 0} << true;
    // Trapezoid's sum stays at 1,2E+308; only Simpson's final *200 overflows.
    QTest::newRow("only Simpson's scaling")
        << Samples{1e305, 1e305, 1e305, 1e305, 1e305, 1e305, 1e305} << false;
}

void CalculationTest::overflowStopsEachRule() {
    QFETCH(Samples, samples);
    QFETCH(bool, trapezoidOverflows);
    const SampleValues values = Filled(samples);
    const std::optional<ErrorKind> trapezoid = KindRaisedBy([&] { (void)TrapezoidRule(values); });
    QCOMPARE(trapezoid.has_value(), trapezoidOverflows);
    QCOMPARE(KindRaisedBy([&] { (void)SimpsonRule(values); }),
             std::optional(ErrorKind::FloatingPoint));
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
        << QStringList{"1e305", "1e305", "1e305", "1e305", "1e305", "1e305", "1e305"}
        << QStringList{TwoLines.arg("1,2E+308")} << none << std::optional(ErrorKind::FloatingPoint);
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
    form.captions["Label10"] = "earlier result";

    QCOMPARE(KindRaisedBy([&] { StartCalculation(form); }), error);
    QCOMPARE(ToQt(form.captionHistory), captions);
    QCOMPARE(ToQt(form.messages), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(form.buttonCodes, std::vector<int>{0});
        QCOMPARE(form.reads, std::vector<std::string>{"Text1"});
    }
    if (captions.isEmpty())
        QCOMPARE(form.captions["Label10"], std::string("earlier result"));
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
    const std::string first = form.captions["Label10"];
    StartCalculation(form);
    QCOMPARE(form.captions["Label10"], first);
    QCOMPARE(QString::fromStdString(first), FiveLines.arg("59940", "57878"));
}

void CalculationTest::aMissingControlIsAPropertyAccessError() {
    FakeForm form({"1", "1", "1", "1", "1", "1", "1"});
    form.captions.clear();
    QCOMPARE(KindRaisedBy([&] { StartCalculation(form); }),
             std::optional(ErrorKind::PropertyAccess));
    FakeForm noText5({"1", "1", "1", "1", "1", "1", "1"});
    noText5.texts.erase("Text5");
    QCOMPARE(KindRaisedBy([&] { StartCalculation(noText5); }),
             std::optional(ErrorKind::PropertyAccess));
}

QTEST_APPLESS_MAIN(CalculationTest)
#include "calculation_test.moc"
