// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figure as drawn, not as described: its SVG text rendered by a real SVG
// renderer (rsvg-convert, Debian's librsvg2-bin), the window's painter into
// an image and the PNG copy, each checked at the pixels where the nodes lie.
// A misspelt attribute or a malformed path changes no shape the other tests
// read, and rsvg-convert says nothing about either; the pixels show both.
//
// The tolerances, at the figure's own scale (the PNG copy has twice the
// pixels, and twice the tolerance): a point's centre within 1,5 px of where
// the other renderings have it and of the straight line its value puts it on;
// a colour within 20 of the expected one (Euclidean distance of the 8-bit
// RGB values; black to white is 441).
#include "calc/start_calculation.h"
#include "figure/figure_drawing.h"
#include "figure/figure_geometry.h"
#include "figure/figure_svg.h"
#include "platform/click_rules.h"
#include "testing/fake_form.h"
#include "tests/clicked.h"
#include "ui/figure_painter.h"

#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

using namespace velmora;

namespace {

constexpr double PositionTolerance = 1.5;
constexpr double ColourTolerance = 20;

// One rendering of the drawing, at `scale` image pixels per figure pixel.
struct Rendering {
    QString name;
    QImage image;
    double scale = 1;
};

// The SVG text as rsvg-convert renders it; a null image where it fails.
QImage RenderedByRsvg(const std::string& svg, QString& error) {
    QTemporaryDir folder;
    QFile file(folder.filePath("figure.svg"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(svg.data(), static_cast<qint64>(svg.size())) != qint64(svg.size())) {
        error = "cannot write the SVG";
        return {};
    }
    file.close();
    QProcess rsvg;
    rsvg.start("rsvg-convert", {"-o", folder.filePath("figure.png"), file.fileName()});
    if (!rsvg.waitForFinished(30000) || rsvg.exitStatus() != QProcess::NormalExit ||
        rsvg.exitCode() != 0) {
        error = "rsvg-convert failed (scripts/setup installs librsvg2-bin): " + rsvg.errorString() +
                QString::fromUtf8(rsvg.readAllStandardError());
        return {};
    }
    return QImage(folder.filePath("figure.png")).convertToFormat(QImage::Format_ARGB32);
}

QImage PaintedByQt(const FigureDrawing& drawing) {
    QImage image(static_cast<int>(drawing.width), static_cast<int>(drawing.height),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintFigure(painter, drawing, DocumentPalette());
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRgb At(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return qRgb(255, 255, 255);
    return image.pixel(x, y);
}

// Ink of the points and the axes: black, opaque.
bool Dark(QRgb pixel) {
    return qAlpha(pixel) > 200 && std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 110;
}

double Distance(QRgb a, QRgb b) {
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// The colour of a patch 5 figure pixels wide, channel by channel its median:
// a grid line through the patch changes nothing.
QRgb PatchColour(const QImage& image, QPointF at, double scale) {
    const int reach = qRound(2 * scale);
    std::vector<int> red;
    std::vector<int> green;
    std::vector<int> blue;
    std::vector<int> alpha;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QRgb pixel = At(image, qRound(at.x()) + dx, qRound(at.y()) + dy);
            red.push_back(qRed(pixel));
            green.push_back(qGreen(pixel));
            blue.push_back(qBlue(pixel));
            alpha.push_back(qAlpha(pixel));
        }
    const auto median = [](std::vector<int>& values) {
        const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
        std::nth_element(values.begin(), middle, values.end());
        return *middle;
    };
    return qRgba(median(red), median(green), median(blue), median(alpha));
}

// The centres of the filled discs that mark the points, left to right: where
// a pixel and its neighbours within a disc of radius 2 figure pixels are all
// dark, which no line or letter of the figure is.
std::vector<QPointF> DotCentres(const QImage& image, double scale) {
    const int s = std::max(1, qRound(scale));
    const auto core = [&](int x, int y) {
        for (int dy = -s; dy <= s; ++dy)
            for (int dx = -s; dx <= s; ++dx)
                if (!Dark(At(image, x + dx, y + dy)))
                    return false;
        return Dark(At(image, x - 2 * s, y)) && Dark(At(image, x + 2 * s, y)) &&
               Dark(At(image, x, y - 2 * s)) && Dark(At(image, x, y + 2 * s));
    };
    // The core pixels, joined into one blob wherever two lie within 2 pixels
    // of each other, in whatever order the scan meets them.
    QList<QPoint> cores;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (core(x, y))
                cores.append({x, y});
    QList<QList<QPoint>> blobs;
    QList<bool> taken(cores.size(), false);
    for (qsizetype start = 0; start < cores.size(); ++start) {
        if (taken[start])
            continue;
        taken[start] = true;
        QList<QPoint> blob{cores[start]};
        for (qsizetype k = 0; k < blob.size(); ++k)
            for (qsizetype other = 0; other < cores.size(); ++other)
                if (!taken[other] && std::abs(cores[other].x() - blob[k].x()) <= 2 &&
                    std::abs(cores[other].y() - blob[k].y()) <= 2) {
                    taken[other] = true;
                    blob.append(cores[other]);
                }
        blobs.append(blob);
    }
    std::vector<QPointF> centres;
    for (const QList<QPoint>& blob : blobs) {
        QPointF sum;
        for (const QPoint& p : blob)
            sum += QPointF(p);
        centres.push_back(sum / static_cast<qreal>(blob.size()));
    }
    std::sort(centres.begin(), centres.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    return centres;
}

// Dark ink within `reach` pixels above or below (x, y).
// A pixel within `reach` above or below (x, y) in about the colour `ink`.
bool InkNear(const QImage& image, int x, double y, int reach, QRgb ink) {
    for (int dy = -reach; dy <= reach; ++dy)
        if (Distance(At(image, x, qRound(y) + dy), ink) <= 2 * ColourTolerance)
            return true;
    return false;
}

// The parabola through three points equally spaced in x, at x.
double Through(const QPointF& a, const QPointF& b, const QPointF& c, double x) {
    return a.y() * (x - b.x()) * (x - c.x()) / ((a.x() - b.x()) * (a.x() - c.x())) +
           b.y() * (x - a.x()) * (x - c.x()) / ((b.x() - a.x()) * (b.x() - c.x())) +
           c.y() * (x - a.x()) * (x - b.x()) / ((c.x() - a.x()) * (c.x() - b.x()));
}

const QStringList Lecture{"0,1", "1,2", "4,5", "9", "16,1", "25", "36"};

} // namespace

class FigurePixelsTest : public QObject {
    Q_OBJECT

private slots:
    void theFigureIsDrawnAsItsValuesSay_data();
    void theFigureIsDrawnAsItsValuesSay();
};

void FigurePixelsTest::theFigureIsDrawnAsItsValuesSay_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("simpsonShown");
    QTest::newRow("the lecture's readings") << Lecture << true;
    QTest::newRow("up and down") << QStringList{"5", "30", "10", "40", "20", "35", "8"} << true;
    QTest::newRow("both signs") << QStringList{"-10", "25", "-5", "30", "-20", "15", "12"} << true;
    QTest::newRow("near the largest double")
        << QStringList{"1,2E+304", "3E+304", "1E+304", "4E+304", "2E+304", "1,5E+304", "2,5E+304"}
        << true;
    // Simpson's result too large: no parabolas, and no sample of their line.
    QTest::newRow("Simpson's result too large")
        << QStringList{"0", "8E+305", "0", "0", "0", "0", "0"} << false;
}

void FigurePixelsTest::theFigureIsDrawnAsItsValuesSay() {
    QFETCH(QStringList, texts);
    QFETCH(bool, simpsonShown);
    const FigureGeometry figure = MakeFigureGeometry(Clicked(texts));
    QVERIFY(figure.hint.empty());
    QCOMPARE(figure.parabolas.empty(), !simpsonShown);
    const FigureDrawing drawing = DrawFigure(figure, FigureWidth, FigureHeight);
    const FigurePalette palette = DocumentPalette();

    QString error;
    std::vector<Rendering> renderings;
    renderings.push_back({"rsvg-convert", RenderedByRsvg(FigureSvg(drawing, palette), error), 1});
    QVERIFY2(!renderings.back().image.isNull(), qPrintable(error));
    renderings.push_back({"the painter", PaintedByQt(drawing), 1});
    const std::unique_ptr<QMimeData> copy = FigureMimeData(figure);
    QVERIFY(copy != nullptr);
    renderings.push_back(
        {"the PNG copy",
         qvariant_cast<QImage>(copy->imageData()).convertToFormat(QImage::Format_ARGB32), 2});

    // A colour of the palette, laid over the background as drawn.
    const auto drawn = [&palette](Ink ink) {
        const InkColour colour = ColourOf(ink, palette);
        const auto mixed = [&colour](std::uint8_t below, std::uint8_t above) {
            return qRound(below * (1 - colour.opacity) + above * colour.opacity);
        };
        return qRgb(mixed(palette.background.red, colour.rgb.red),
                    mixed(palette.background.green, colour.rgb.green),
                    mixed(palette.background.blue, colour.rgb.blue));
    };
    const QRgb shaded = drawn(Ink::Shade);
    const QRgb accent = drawn(Ink::Accent);
    const QRgb parabola = drawn(Ink::Parabola);
    // Told apart from the trapezoid line by colour, not only by the dash.
    QVERIFY(Distance(parabola, accent) > 8 * ColourTolerance);
    const QRgb background =
        qRgb(palette.background.red, palette.background.green, palette.background.blue);

    std::vector<QPointF> reference; // the first rendering's points, at the figure's scale
    for (const Rendering& shown : renderings) {
        const QString where = shown.name + ", ";
        const QImage& image = shown.image;
        const double scale = shown.scale;
        QCOMPARE(image.size(), QSize(qRound(FigureWidth * scale), qRound(FigureHeight * scale)));
        // The whole canvas is the figure's, on its background.
        for (const QPoint corner : {QPoint(1, 1), QPoint(image.width() - 2, image.height() - 2)})
            QVERIFY2(Distance(At(image, corner.x(), corner.y()), background) <= ColourTolerance &&
                         qAlpha(At(image, corner.x(), corner.y())) == 255,
                     qPrintable(where + "the background does not fill the canvas"));

        // Seven points, equally spaced left to right, each at the height its
        // value gives on one linear axis, larger values higher.
        const std::vector<QPointF> dots = DotCentres(image, scale);
        QVERIFY2(dots.size() == ReadingCount,
                 qPrintable(where + QString("%1 points drawn").arg(dots.size())));
        std::vector<QPointF> points; // at the figure's scale
        points.reserve(dots.size());
        for (const QPointF& dot : dots)
            points.push_back(dot / scale);
        double meanValue = 0;
        double meanY = 0;
        for (std::size_t k = 0; k < ReadingCount; ++k) {
            meanValue += figure.nodes[k].y / ReadingCount;
            meanY += points[k].y() / ReadingCount;
        }
        double covariance = 0;
        double variance = 0;
        for (std::size_t k = 0; k < ReadingCount; ++k) {
            covariance += (figure.nodes[k].y - meanValue) * (points[k].y() - meanY);
            variance += (figure.nodes[k].y - meanValue) * (figure.nodes[k].y - meanValue);
        }
        const double pixelsPerUnit = covariance / variance;
        QVERIFY2(pixelsPerUnit < 0, qPrintable(where + "larger values are drawn lower"));
        const double spacing = (points.back().x() - points.front().x()) / (ReadingCount - 1);
        QVERIFY(spacing > 50);
        for (std::size_t k = 0; k < ReadingCount; ++k) {
            const double expectedY = meanY + pixelsPerUnit * (figure.nodes[k].y - meanValue);
            const double expectedX = points.front().x() + spacing * static_cast<double>(k);
            QVERIFY2(std::abs(points[k].y() - expectedY) <= PositionTolerance &&
                         std::abs(points[k].x() - expectedX) <= PositionTolerance,
                     qPrintable(where + QString("point %1 at %2, %3, not at %4, %5")
                                            .arg(k)
                                            .arg(points[k].x())
                                            .arg(points[k].y())
                                            .arg(expectedX)
                                            .arg(expectedY)));
            // Where the other renderings have it.
            if (!reference.empty())
                QVERIFY2(QLineF(points[k], reference[k]).length() <= PositionTolerance,
                         qPrintable(where + QString("point %1 at %2, %3, not at %4, %5 as in %6")
                                                .arg(k)
                                                .arg(points[k].x())
                                                .arg(points[k].y())
                                                .arg(reference[k].x())
                                                .arg(reference[k].y())
                                                .arg(renderings.front().name)));
        }
        if (reference.empty())
            reference = points;
        // The T axis: where a value of zero lies.
        const double axis = meanY - pixelsPerUnit * meanValue;

        // Each parabola passes through its three nodes: its dashes lie on the
        // parabola through the points, along the whole of it and next to
        // each node.
        for (std::size_t k = 0; k < figure.parabolas.size(); ++k) {
            const QPointF& a = points[2 * k];
            const QPointF& b = points[2 * k + 1];
            const QPointF& c = points[2 * k + 2];
            const auto inkAt = [&](double x) {
                return InkNear(image, qRound(x * scale), Through(a, b, c, x) * scale,
                               qRound(2 * scale), parabola);
            };
            int columns = 0;
            int inked = 0;
            for (int column = qCeil(a.x() + 5); column <= qFloor(c.x() - 5); ++column) {
                const double x = column;
                if (std::abs(x - b.x()) < 5)
                    continue;
                ++columns;
                inked += inkAt(x) ? 1 : 0;
            }
            QVERIFY2(inked >= columns / 2,
                     qPrintable(where + QString("parabola %1: ink on %2 of %3 columns")
                                            .arg(k)
                                            .arg(inked)
                                            .arg(columns)));
            for (const QPointF& node : {a, b, c})
                for (const double side : {-1.0, 1.0}) {
                    if ((node == a && side < 0) || (node == c && side > 0))
                        continue;
                    bool near = false;
                    for (int step = 5; step <= 15; ++step)
                        near |= inkAt(node.x() + side * step);
                    QVERIFY2(
                        near,
                        qPrintable(
                            where +
                            QString("parabola %1 misses the node at %2").arg(k).arg(node.x())));
                }
        }

        // The shaded area: faint, between the polygon and the T axis, in
        // every interval, and down to the axis at both ends.
        std::vector<QPointF> inside;
        for (std::size_t k = 0; k + 1 < ReadingCount; ++k) {
            const QPointF middle = (points[k] + points[k + 1]) / 2;
            if (std::abs(middle.y() - axis) >= 12)
                inside.emplace_back(middle.x(), (middle.y() + axis) / 2);
        }
        for (const std::size_t end : {std::size_t(0), std::size_t(ReadingCount - 1)}) {
            const QPointF& node = points[end];
            const double towards = node.y() < axis ? -1 : 1;
            if (std::abs(node.y() - axis) >= 12)
                inside.emplace_back(node.x() + (end == 0 ? 5 : -5), axis + towards * 4);
        }
        QVERIFY(!inside.empty());
        for (const QPointF& at : inside) {
            const QRgb colour = PatchColour(image, at * scale, scale);
            QVERIFY2(Distance(colour, shaded) <= ColourTolerance && qAlpha(colour) == 255,
                     qPrintable(where + QString("at %1, %2 the colour is %3, not the shade %4")
                                            .arg(at.x())
                                            .arg(at.y())
                                            .arg(QColor(colour).name(), QColor(shaded).name())));
        }

        // The legend: a sample of each rule's line before its result, none
        // where a result is too large to show, and a swatch of the shade
        // before the shaded area's entry.
        std::vector<std::string> entries = figure.results;
        entries.emplace_back("Fläche");
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const auto text =
                std::find_if(drawing.texts.begin(), drawing.texts.end(), [&](const FigureText& t) {
                    return entries[k].starts_with(t.text) || t.text.starts_with(entries[k]);
                });
            QVERIFY(text != drawing.texts.end());
            const QRgb sampleInk = k == 0 ? accent : k == 1 ? parabola : shaded;
            int samplePixels = 0;
            for (int y = qRound((text->y - 9) * scale); y <= qRound(text->y * scale); ++y)
                for (int x = qRound(2 * scale); x <= qRound((text->x - 3) * scale); ++x)
                    samplePixels += Distance(At(image, x, y), sampleInk) <= ColourTolerance ? 1 : 0;
            const bool sample = samplePixels > 0;
            const bool shownResult = k != 1 || simpsonShown;
            QVERIFY2(sample == shownResult,
                     qPrintable(
                         where +
                         QString("legend line %1: %2 sample").arg(k + 1).arg(sample ? "a" : "no")));
        }
    }
}

QTEST_MAIN(FigurePixelsTest)
#include "figure_pixels_test.moc"
