// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/figure_painter.h"

#include "figure/figure_svg.h"
#include "figure/result_table.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

Rgb RgbOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

QColor QColorOf(Ink ink, const FigurePalette& palette) {
    const InkColour colour = ColourOf(ink, palette);
    QColor result(colour.rgb.red, colour.rgb.green, colour.rgb.blue);
    result.setAlphaF(static_cast<float>(colour.opacity));
    return result;
}

// Twice the pixels of the figure's size: sharp in a document at any zoom a
// report is read at.
constexpr qreal CopyScale = 2;
// At 8000 dots per metre its 1280 pixels are 16 cm wide, what an A4 page
// holds between its margins; Qt would declare 96 dpi, 33,9 cm.
constexpr int CopyDotsPerMetre = 8000;

} // namespace

FigurePalette FigurePaletteOf(const QPalette& palette) {
    return {RgbOf(palette.color(QPalette::Text)), RgbOf(palette.color(QPalette::Base)),
            RgbOf(palette.color(QPalette::Highlight))};
}

void PaintFigure(QPainter& painter, const FigureDrawing& drawing, const FigurePalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(
        QRectF(0, 0, drawing.width, drawing.height),
        QColor(palette.background.red, palette.background.green, palette.background.blue));
    for (const FigureShape& shape : drawing.shapes) {
        QPainterPath path;
        for (const PathStep& step : shape.path) {
            switch (step.command) {
            case 'M':
                path.moveTo(step.x, step.y);
                break;
            case 'L':
                path.lineTo(step.x, step.y);
                break;
            case 'Q':
                path.quadTo(step.cx, step.cy, step.x, step.y);
                break;
            default:
                path.closeSubpath();
            }
        }
        if (shape.filled) {
            painter.fillPath(path, QColorOf(shape.fill, palette));
        } else {
            QPen pen(QColorOf(shape.stroke, palette), shape.lineWidth);
            if (shape.dashed)
                pen.setDashPattern({6 / shape.lineWidth, 4 / shape.lineWidth});
            painter.strokePath(path, pen);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColorOf(Ink::Text, palette));
    for (const FigureDot& dot : drawing.dots)
        painter.drawEllipse(QPointF(dot.x, dot.y), dot.radius, dot.radius);

    QFont font = painter.font();
    font.setFamily(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(FigureFontPixels));
    painter.setPen(QColorOf(Ink::Text, palette));
    for (const FigureText& text : drawing.texts) {
        font.setItalic(text.italic);
        painter.setFont(font);
        const QString shown = QString::fromStdString(text.text);
        const qreal width = QFontMetricsF(font).horizontalAdvance(shown);
        const qreal left = text.anchor == Anchor::Start    ? text.x
                           : text.anchor == Anchor::Middle ? text.x - width / 2
                                                           : text.x - width;
        painter.drawText(QPointF(left, text.y), shown);
    }
    painter.restore();
}

namespace {

// The figure as a document shows it, dark on white.
QImage FigureImage(const FigureDrawing& drawing) {
    QImage image(QSize(static_cast<int>(FigureWidth * CopyScale),
                       static_cast<int>(FigureHeight * CopyScale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(CopyScale);
    image.setDotsPerMeterX(CopyDotsPerMetre);
    image.setDotsPerMeterY(CopyDotsPerMetre);
    QPainter painter(&image);
    PaintFigure(painter, drawing, DocumentPalette());
    return image;
}

} // namespace

std::unique_ptr<QMimeData> FigureMimeData(const FigureGeometry& figure) {
    if (!figure.hint.empty())
        return {};
    const FigureDrawing drawing = DrawFigure(figure, FigureWidth, FigureHeight);
    const FigurePalette palette = DocumentPalette();
    auto data = std::make_unique<QMimeData>();
    data->setImageData(FigureImage(drawing));
    const std::string svg = FigureSvg(drawing, palette);
    data->setData(QStringLiteral("image/svg+xml"),
                  QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    return data;
}

std::unique_ptr<QMimeData> TableMimeData(const std::optional<CalculationRecord>& record) {
    const TableRows rows = ResultTable(record);
    if (rows.empty())
        return {};
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(TabSeparated(rows)));
    data->setHtml(QString::fromStdString(HtmlDocument(HtmlTable(rows))));
    return data;
}

// One item, HTML and text, and no image of its own: an office program
// offered an image takes it instead of the HTML.
std::unique_ptr<QMimeData> ReportMimeData(const std::optional<CalculationRecord>& record) {
    const TableRows rows = ResultTable(record);
    if (rows.empty())
        return {};
    const FigureGeometry figure = MakeFigureGeometry(record);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    FigureImage(DrawFigure(figure, FigureWidth, FigureHeight)).save(&buffer, "PNG");
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(TabSeparated(rows)));
    data->setHtml(QString::fromStdString(HtmlDocument(ReportHtml(
        rows, "data:image/png;base64," + png.toBase64().toStdString(), figure.description))));
    return data;
}

} // namespace velmora
