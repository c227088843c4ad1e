// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figure "Verlauf" and the table of values, as both front ends get them:
// the drawn shapes are the rules, every result gives a sane figure, and the
// SVG text and the table are well-formed.
#include "calc/quadrature.h"
#include "calc/start_calculation.h"
#include "figure/figure_drawing.h"
#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "figure/result_table.h"
#include "platform/click_rules.h"
#include "platform/number_reader.h"
#include "platform/text_to_double.h"
#include "testing/fake_form.h"
#include "tests/clicked.h"
#include "web/page_content.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace velmora;

namespace {

SampleValues ValuesOf(const QStringList& texts) {
    SampleValues values;
    for (int k = 0; k < texts.size(); ++k)
        values.Store(k, TextToDouble(texts[k].toStdString()));
    return values;
}

// ∫ y dt under a quadratic Bézier curve, by three-point Gauss–Legendre,
// which is exact for its degree-3 integrand whatever the control point.
double AreaUnder(const FigureParabola& curve) {
    const auto at = [&](double s) {
        const double u = 1 - s;
        const double y = u * u * curve.start.y + 2 * s * u * curve.control.y + s * s * curve.end.y;
        const double dt =
            2 * u * (curve.control.t - curve.start.t) + 2 * s * (curve.end.t - curve.control.t);
        return y * dt;
    };
    const double r = std::sqrt(0.6) / 2;
    return (5 * at(0.5 - r) + 8 * at(0.5) + 5 * at(0.5 + r)) / 18;
}

// The shaded area: the polygon through the nodes, closed along T's axis.
double ShadedArea(const FigureGeometry& figure) {
    double area = 0;
    for (std::size_t k = 0; k + 1 < figure.nodes.size(); ++k) {
        const FigurePoint& a = figure.nodes[k];
        const FigurePoint& b = figure.nodes[k + 1];
        area += (b.t - a.t) * (a.y + b.y) / 2;
    }
    return area;
}

// Within the axis, or beyond it by less than a millionth of its length,
// which no screen shows.
bool InRange(double y, const FigureAxis& axis) {
    const double slack = (axis.high - axis.low) * 1e-6;
    return y >= axis.low - slack && y <= axis.high + slack;
}

const QStringList Lecture{"0,1", "1,2", "4,5", "9", "16,1", "25", "36"};

} // namespace

class FigureTest : public QObject {
    Q_OBJECT

private slots:
    void theDrawnShapesAreTheRules_data();
    void theDrawnShapesAreTheRules();
    void everyResultGivesASaneFigure_data();
    void everyResultGivesASaneFigure();
    void randomReadingsNeverBreakTheAxes();
    void theFigureShowsWhatTheResultBoxShows();
    void theSvgIsWellFormedAndComplete();
    void theTableHasTheReadingsThenTheResults();
    void theTablesNumbersCarryTheirExactValue();
    void theCopiesSayWhenTheResultIsOutdated_data();
    void theCopiesSayWhenTheResultIsOutdated();
    void thePageGetsTheFigureInItsColours();
};

void FigureTest::theDrawnShapesAreTheRules_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("the lecture's readings") << Lecture;
    QTest::newRow("cancellation") << QStringList{"0", "1E17", "1", "-1E17", "0", "0", "0"};
    QTest::newRow("all negative") << QStringList{"-3", "-1", "-4", "-1,5", "-9", "-2,6", "-5"};
    QTest::newRow("all equal") << QStringList{"7", "7", "7", "7", "7", "7", "7"};
    QTest::newRow("one peak") << QStringList{"0", "0", "0", "1", "0", "0", "0"};
    QTest::newRow("zigzag") << QStringList{"1", "-1", "1", "-1", "1", "-1", "1"};
    QTest::newRow("1e-300 to 1e300")
        << QStringList{"1e-300", "1e-100", "1", "1e100", "1e200", "1e250", "1e300"};
    QTest::newRow("near the largest double") << QStringList(7, "1,49E+305");
    QTest::newRow("tiny") << QStringList{"1e-300", "2e-300", "-1e-300", "0",
                                         "3e-300", "1e-301", "0"};
}

// The polygon's area is the trapezoidal result and the three Béziers' area
// the Simpson result, to rounding: a few ε × 200 × Σ|y|, since with
// cancellation the shown result and the exact area differ by rounding alone.
void FigureTest::theDrawnShapesAreTheRules() {
    QFETCH(QStringList, texts);
    const FigureGeometry figure = MakeFigureGeometry(Clicked(texts));
    QVERIFY(figure.hint.empty());
    QCOMPARE(figure.parabolas.size(), std::size_t(3));

    const SampleValues values = ValuesOf(texts);
    double sumOfMagnitudes = 0;
    for (int k = 0; k < SampleValues::Count; ++k) {
        sumOfMagnitudes += std::ldexp(std::fabs(values.At(k)), -figure.yExponent);
        // The nodes are the readings at -200, 0, … 1000 °C.
        QCOMPARE(figure.nodes[static_cast<std::size_t>(k)].t, -200.0 + 200 * k);
        QCOMPARE(std::ldexp(figure.nodes[static_cast<std::size_t>(k)].y, figure.yExponent),
                 values.At(k));
    }
    const double tolerance = 8 * DBL_EPSILON * 200 * sumOfMagnitudes;

    const double trapezoid = std::ldexp(TrapezoidRule(values), -figure.yExponent);
    QVERIFY2(std::fabs(ShadedArea(figure) - trapezoid) <= tolerance,
             qPrintable(QString("polygon %1, rule %2").arg(ShadedArea(figure)).arg(trapezoid)));

    double underCurves = 0;
    for (const FigureParabola& curve : figure.parabolas)
        underCurves += AreaUnder(curve);
    const double simpson = std::ldexp(SimpsonRule(values), -figure.yExponent);
    QVERIFY2(std::fabs(underCurves - simpson) <= tolerance,
             qPrintable(QString("curves %1, rule %2").arg(underCurves).arg(simpson)));
    // Each parabola passes through its middle node.
    for (std::size_t k = 0; k < figure.parabolas.size(); ++k) {
        const FigureParabola& curve = figure.parabolas[k];
        const double middle = (curve.start.y + 2 * curve.control.y + curve.end.y) / 4;
        QVERIFY(std::fabs(middle - figure.nodes[2 * k + 1].y) <= tolerance);
    }
}

void FigureTest::everyResultGivesASaneFigure_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("yLabels");
    QTest::newRow("the lecture's readings") << Lecture << QStringList{"0", "10", "20", "30", "40"};
    QTest::newRow("all equal") << QStringList(7, "7")
                               << QStringList{"0", "1", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("all zero") << QStringList(7, "0")
                              << QStringList{"0", "0,2", "0,4", "0,6", "0,8", "1"};
    QTest::newRow("all negative") << QStringList{"-3", "-1", "-4", "-1,5", "-9", "-2,6", "-5"}
                                  << QStringList{"-10", "-8", "-6", "-4", "-2", "0"};
    QTest::newRow("small, with a comma")
        << QStringList{"0,01", "0,02", "0,015", "0,03", "0,025", "0,01", "0,02"}
        << QStringList{"0", "0,005", "0,01", "0,015", "0,02", "0,025", "0,03", "0,035"};
    // German print groups five digits and more: "80 000 000".
    QTest::newRow("tens of millions, grouped")
        << QStringList{"0", "1e7", "2e7", "4e7", "5e7", "6e7", "8e7"}
        << QStringList{"0", "20\u202F000\u202F000", "40\u202F000\u202F000", "60\u202F000\u202F000",
                       "80\u202F000\u202F000"};
    QTest::newRow("four digits stay as they are")
        << QStringList{"0", "1000", "2000", "3000", "4000", "5000", "6000"}
        << QStringList{"0", "1000", "2000", "3000", "4000", "5000", "6000"};
    QTest::newRow("1e-300 to 1e300")
        << QStringList{"1e-300", "1e-100", "1", "1e100", "1e200", "1e250", "1e300"}
        << QStringList{"-2E+299", "0", "2E+299", "4E+299", "6E+299", "8E+299", "1E+300"};
    QTest::newRow("near the largest double")
        << QStringList(7, "1,49E+305")
        << QStringList{"0",      "2E+304",   "4E+304",   "6E+304",  "8E+304",
                       "1E+305", "1,2E+305", "1,4E+305", "1,6E+305"};
    QTest::newRow("large, both signs")
        << QStringList{"1,7E+306", "-1,7E+306", "1,7E+306", "0", "0", "0", "0"}
        << QStringList{"-2E+306", "-1,5E+306", "-1E+306",  "-5E+305", "0",
                       "5E+305",  "1E+306",    "1,5E+306", "2E+306"};
}

// Ticks a person would choose, written as the result box writes numbers, and
// ranges that hold every point and every parabola, whatever the magnitudes.
void FigureTest::everyResultGivesASaneFigure() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, yLabels);
    const FigureGeometry figure = MakeFigureGeometry(Clicked(texts));
    QVERIFY(figure.hint.empty());

    QStringList tLabels;
    QStringList labels;
    for (const AxisTick& tick : figure.t.ticks)
        tLabels << QString::fromStdString(tick.label);
    QCOMPARE(tLabels, (QStringList{"-200", "0", "200", "400", "600", "800", "1000"}));
    QCOMPARE(QString::fromStdString(figure.t.title), QString("T in °C"));
    for (const AxisTick& tick : figure.y.ticks)
        labels << QString::fromStdString(tick.label);
    QCOMPARE(labels, yLabels);

    QVERIFY(std::isfinite(figure.y.low) && std::isfinite(figure.y.high));
    QVERIFY(figure.y.low < figure.y.high);
    for (const FigurePoint& node : figure.nodes)
        QVERIFY(InRange(node.y, figure.y));
    for (const FigureParabola& curve : figure.parabolas)
        for (int step = 0; step <= 64; ++step) {
            const double s = step / 64.0;
            const double y = (1 - s) * (1 - s) * curve.start.y + 2 * s * (1 - s) * curve.control.y +
                             s * s * curve.end.y;
            QVERIFY(InRange(y, figure.y));
        }
}

void FigureTest::randomReadingsNeverBreakTheAxes() {
    QRandomGenerator random(20261209);
    for (int run = 0; run < 20000; ++run) {
        QStringList texts;
        for (int k = 0; k < 7; ++k) {
            const double mantissa = random.generateDouble() * 20 - 10;
            const int exponent = random.bounded(-320, 308);
            texts << QString::number(mantissa, 'g', 3) + "e" + QString::number(exponent);
        }
        const std::optional<CalculationRecord> shown = Clicked(texts);
        if (!shown)
            continue; // too large for the trapezoidal rule: no result, no figure
        const FigureGeometry figure = MakeFigureGeometry(shown);
        const QString row = texts.join("; ");
        QVERIFY2(figure.hint.empty(), qPrintable(row));
        QVERIFY2(figure.y.ticks.size() >= 3 && figure.y.ticks.size() <= 12, qPrintable(row));
        for (std::size_t k = 1; k < figure.y.ticks.size(); ++k)
            QVERIFY2(figure.y.ticks[k].at > figure.y.ticks[k - 1].at, qPrintable(row));
        for (const FigurePoint& node : figure.nodes)
            QVERIFY2(InRange(node.y, figure.y), qPrintable(row));
        // Every label is a number in German form, five or more digits before
        // the comma grouped in threes by narrow spaces, or none where the
        // tick lies beyond the doubles.
        static const QRegularExpression Grouped(
            QStringLiteral("^-?\\d{1,3}(\u202F\\d{3})+(,\\d+)?$"));
        for (const AxisTick& tick : figure.y.ticks) {
            const QString label = QString::fromStdString(tick.label);
            QString plain = label;
            plain.remove(QChar(0x202F));
            const qsizetype digits = plain.indexOf(',') < 0 ? plain.size() : plain.indexOf(',');
            const bool large =
                !plain.contains('E') && digits - (plain.startsWith('-') ? 1 : 0) >= 5;
            QVERIFY2(tick.label.empty() ||
                         (IsNumericText(plain.toStdString()) && !plain.contains('.') &&
                          (large ? Grouped.match(label).hasMatch() : label == plain)),
                     qPrintable(row + " → " + label));
        }
        const FigureDrawing drawing = DrawFigure(figure, FigureWidth, FigureHeight);
        for (const FigureShape& shape : drawing.shapes)
            for (const PathStep& step : shape.path)
                QVERIFY2(std::isfinite(step.x) && std::isfinite(step.y) && std::isfinite(step.cx) &&
                             std::isfinite(step.cy),
                         qPrintable(row));
    }
}

void FigureTest::theFigureShowsWhatTheResultBoxShows() {
    // Before the first result: how to get one.
    const FigureGeometry none = MakeFigureGeometry(std::nullopt);
    QCOMPARE(QString::fromStdString(none.hint),
             QString("Noch kein Ergebnis: Werte eingeben und „Starte Berechnung“ drücken."));
    QCOMPARE(DrawFigure(none, FigureWidth, FigureHeight).texts.size(), std::size_t(1));

    // Both results, worded as the box words them, and the text alternative.
    FakeForm form({"0,1", "1,2", "4,5", "9", "16,1", "25", "36"});
    RunClick(form, StartCalculation);
    const FigureGeometry shown = MakeFigureGeometry(form.ResultShown());
    QCOMPARE(shown.results,
             (std::vector<std::string>{"Ergebnis nach der Trapezregel: F = 14770",
                                       "Ergebnis nach der Simpson-Regel: F = 14540"}));
    QVERIFY(shown.current);
    QCOMPARE(QString::fromStdString(shown.description),
             QString("Messwerte über T: -200 °C: 0,1; 0 °C: 1,2; 200 °C: 4,5; 400 °C: 9; "
                     "600 °C: 16,1; 800 °C: 25; 1000 °C: 36; "
                     "Ergebnis nach der Trapezregel: F = 14770; "
                     "Ergebnis nach der Simpson-Regel: F = 14540"));

    // Outdated exactly when the result is: after an edit, and after a click
    // that gives no result; the values stay those of the result.
    form.MarkResultOutdated();
    const FigureGeometry outdated = MakeFigureGeometry(form.ResultShown());
    QVERIFY(!outdated.current);
    QVERIFY(QString::fromStdString(outdated.description)
                .endsWith("Das Ergebnis gehört nicht mehr zu den aktuellen Werten."));
    bool italicNote = false;
    for (const FigureText& text : DrawFigure(outdated, FigureWidth, FigureHeight).texts)
        italicNote |=
            text.italic && text.text == "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.";
    QVERIFY(italicNote);
    form.texts[3] = "abc";
    RunClick(form, StartCalculation);
    QCOMPARE(MakeFigureGeometry(form.ResultShown()).readings[3], std::string("9"));
    QVERIFY(!MakeFigureGeometry(form.ResultShown()).current);

    // A Simpson overflow: the box shows the trapezoidal result only, and so
    // does the figure, with the points and the trapezoids, and says why.
    const FigureGeometry overflow =
        MakeFigureGeometry(Clicked({"0", "8E+305", "0", "0", "0", "0", "0"}));
    QVERIFY(overflow.hint.empty());
    QVERIFY(overflow.parabolas.empty());
    QCOMPARE(overflow.results,
             (std::vector<std::string>{"Ergebnis nach der Trapezregel: F = 1,6E+308",
                                       "Das Ergebnis nach der Simpson-Regel ist zu groß."}));
    for (const FigureShape& shape : DrawFigure(overflow, FigureWidth, FigureHeight).shapes)
        for (const PathStep& step : shape.path)
            QVERIFY(step.command != 'Q');
}

void FigureTest::theSvgIsWellFormedAndComplete() {
    const FigureGeometry figure =
        MakeFigureGeometry(Clicked({"1", "-2", "3&<>\"", "4", "5", "6", "7"}));
    QVERIFY(!figure.hint.empty()); // "3&<>\"" is no number: no result, the hint
    for (const FigureGeometry& shown :
         {figure, MakeFigureGeometry(Clicked(Lecture)),
          MakeFigureGeometry(Clicked({"0", "8E+305", "0", "0", "0", "0", "0"}))}) {
        const std::string svg =
            FigureSvg(DrawFigure(shown, FigureWidth, FigureHeight), DocumentPalette());
        QXmlStreamReader xml(QByteArray::fromStdString(svg));
        int curves = 0;
        int circles = 0;
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"path")
                curves += int(xml.attributes().value("d").count('Q'));
            if (xml.name() == u"circle")
                ++circles;
            if (xml.name() == u"text" || xml.name() == u"desc")
                texts << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(curves, static_cast<int>(shown.parabolas.size()));
        QCOMPARE(circles, shown.hint.empty() ? 7 : 0);
        QVERIFY(texts.contains(QString::fromStdString(shown.description)));
        for (const std::string& line : shown.results)
            QVERIFY(texts.contains(QString::fromStdString(line)));
    }
}

void FigureTest::theTableHasTheReadingsThenTheResults() {
    const std::optional<CalculationRecord> shown =
        Clicked({"0.1", "1,2", " 4,5 ", "9", "16,1", "25", "36"});
    QCOMPARE(QString::fromStdString(TabSeparated(ResultTable(shown))),
             QString("T in °C\tMesswert\n-200\t0,1\n0\t1,2\n200\t4,5\n400\t9\n600\t16,1\n"
                     "800\t25\n1000\t36\nErgebnis nach der Trapezregel\t14770\n"
                     "Ergebnis nach der Simpson-Regel\t14540\n"));
    const QString html = QString::fromStdString(HtmlTable(ResultTable(shown)));
    QCOMPARE(html.count("<tr>"), 10);
    QVERIFY(html.startsWith("<table><tr><th>T in °C</th><th>Messwert</th></tr><tr>"));
    QVERIFY(ResultTable(std::nullopt).empty());
}

// Each number's cell carries its value for office programs in any locale,
// exactly; the text stays German. "1,125" alone is 1125 to an English Calc.
void FigureTest::theTablesNumbersCarryTheirExactValue() {
    const std::optional<CalculationRecord> shown =
        Clicked({"0,1", "1,125", "2,25", "0,123456789012345678", "1,5E-07", "1E+20", "-36"});
    const TableRows rows = ResultTable(shown);
    const std::string html = HtmlTable(rows);
    QVERIFY(html.find(R"(<td sdval="-200" sdnum="1033;1031;0" x:num="-200">-200</td>)") !=
            std::string::npos);
    QVERIFY(html.find(R"(<td sdval="1.125" sdnum="1033;1031;0,000" x:num="1.125">1,125</td>)") !=
            std::string::npos);
    QVERIFY(html.find(R"(<td sdval="0.12345678901234568" sdnum="1033;1031;0,000000000000000")"
                      R"( x:num="0.12345678901234568">0,123456789012346</td>)") !=
            std::string::npos);
    QVERIFY(html.find(R"(<td sdval="1e+20" sdnum="1033;1031;0E+00" x:num="1e+20">1E+20</td>)") !=
            std::string::npos);
    QVERIFY(html.find("<td>Ergebnis nach der Trapezregel</td><td sdval=") != std::string::npos);

    // Every value, read back from the HTML in order, is the record's: the
    // temperatures and readings, then both results.
    std::vector<double> expected;
    for (std::size_t k = 0; k < shown->readings.size(); ++k) {
        expected.push_back(NodeTemperature(k));
        expected.push_back(shown->readings[k]);
    }
    expected.push_back(*shown->trapezoid.result);
    expected.push_back(*shown->simpson.result);
    std::vector<double> carried;
    for (std::size_t at = html.find("sdval=\""); at != std::string::npos;
         at = html.find("sdval=\"", at + 1)) {
        const std::size_t from = at + 7;
        const std::string value = html.substr(from, html.find('"', from) - from);
        const std::string rest = R"(" sdnum="1033;1031;)";
        QCOMPARE(html.substr(from + value.size(), rest.size()), rest);
        bool read = false;
        carried.push_back(QByteArray::fromStdString(value).toDouble(&read));
        QVERIFY(read);
    }
    QCOMPARE(carried.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        QVERIFY2(std::bit_cast<std::uint64_t>(carried[k]) ==
                     std::bit_cast<std::uint64_t>(expected[k]),
                 qPrintable(QString::number(expected[k], 'g', 17)));
    // No heading or sentence passes for a number.
    QCOMPARE(std::count_if(rows.begin(), rows.end(),
                           [](const TableRow& row) { return row.back().number.has_value(); }),
             std::ptrdiff_t(9));
    QVERIFY(!rows.front().front().number && !rows.back().front().number);
    // Its format writes the value as the window does, so that Writer shows
    // what was copied.
    QVERIFY(html.find(R"(sdval="1.5e-07" sdnum="1033;1031;0,0E+00" x:num="1.5e-07">1,5E-07<)") !=
            std::string::npos);
    // A value shown beyond the largest double has no format: it stays text.
    CalculationRecord largest = *shown;
    largest.trapezoid.result = std::numeric_limits<double>::max();
    const std::string beyond = HtmlTable(ResultTable(largest));
    QVERIFY(beyond.find("<td>1,79769313486232E+308</td>") != std::string::npos);
    QCOMPARE(QString::fromStdString(beyond).count("sdval="), 15);
    QVERIFY(HtmlDocument(html).starts_with(
        R"(<html><head><meta charset="utf-8"></head><body><table>)"));
}

void FigureTest::theCopiesSayWhenTheResultIsOutdated_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("current");
    QTest::newRow("current") << Lecture << true;
    QTest::newRow("outdated") << Lecture << false;
    QTest::newRow("outdated after a Simpson overflow")
        << QStringList{"0", "8E+305", "0", "0", "0", "0", "0"} << false;
}

void FigureTest::theCopiesSayWhenTheResultIsOutdated() {
    QFETCH(QStringList, texts);
    QFETCH(bool, current);
    std::optional<CalculationRecord> shown = Clicked(texts);
    shown->current = current;
    const std::string outdated = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.";
    const TableRows rows = ResultTable(shown);
    QCOMPARE(rows.size(), std::size_t(current ? 10 : 11));
    QCOMPARE(rows.back().size() == 1 && rows.back().front().text == outdated, !current);
    QCOMPARE(TabSeparated(rows).ends_with("\n" + outdated + "\n"), !current);
    QCOMPARE(HtmlTable(rows).ends_with("<tr><td>" + outdated + "</td></tr></table>"), !current);
    QCOMPARE(QString::fromStdString(ResultCopy(" Ergebnis:\nF = 1\n", shown)),
             QString::fromStdString(" Ergebnis:\nF = 1\n" + (current ? "" : "\n" + outdated)));
}

// The page's colours, 0xRRGGBB, each where it belongs, at the page's width.
void FigureTest::thePageGetsTheFigureInItsColours() {
    const std::optional<CalculationRecord> shown = Clicked(Lecture);
    const PageFigure page = FigureForPage(shown, 500, 0xe6e5e4, 0x1e1d1c, 0x3399fe);
    const QString svg = QString::fromStdString(page.svg);
    QVERIFY(
        svg.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"500\" height=\"400\""));
    QVERIFY(svg.contains("<rect width=\"100%\" height=\"100%\" fill=\"#1e1d1c\"/>"));
    QVERIFY(svg.contains("<circle cx=") && svg.contains("fill=\"#e6e5e4\"/>"));
    QVERIFY(svg.contains("stroke=\"#3399fe\" stroke-width=\"1.5\""));
    // The parabolas in the light orange a dark background takes.
    QVERIFY(svg.contains("stroke=\"#ffa03c\" stroke-width=\"3\" stroke-dasharray"));
    QCOMPARE(page.table, TabSeparated(ResultTable(shown)));
    // The copy's: the usual size, dark on white.
    const QString document = QString::fromStdString(FigureForDocument(shown));
    QVERIFY(document.contains("width=\"640\" height=\"400\""));
    QVERIFY(document.contains("<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>"));
    QVERIFY(document.contains("stroke=\"#b44600\" stroke-width=\"3\" stroke-dasharray"));
}

QTEST_GUILESS_MAIN(FigureTest)
#include "figure_test.moc"
