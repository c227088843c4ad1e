// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How Form1 shows a result that no longer belongs to the values in the
// fields, and the figure that follows it.

#include "figure/figure_geometry.h"
#include "ui/figure_dialog.h"
#include "ui/form1.h"
#include "ui/qt_text.h"
#include "ui_form1.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.03928F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other) {
    const double a = Luminance(one);
    const double b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// An outdated result is drawn between the text colour and the background, as
// far towards the background as still reads well: a contrast of at least
// 4.5:1, with a little to spare for the rounding of colour channels.
QColor OutdatedTextColour(const QColor& text, const QColor& base) {
    constexpr double Readable = 4.6;
    QColor chosen = text;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed = QColor::fromRgbF(
            static_cast<float>(text.redF() + (base.redF() - text.redF()) * t),
            static_cast<float>(text.greenF() + (base.greenF() - text.greenF()) * t),
            static_cast<float>(text.blueF() + (base.blueF() - text.blueF()) * t));
        if (Contrast(mixed, base) < Readable)
            break;
        chosen = mixed;
    }
    return chosen;
}

} // namespace

void Form1::ShowResultCurrent(bool current) {
    QLabel* label = m_ui->Label10;
    m_resultOutdated = !current;
    // Outdated reads as such in more than colour: in italics, and in a
    // lighter colour that still reads well. The label keeps its state, so the
    // text stays selectable and copyable.
    QFont font = label->font();
    font.setItalic(m_resultOutdated);
    label->setFont(font);
    if (m_resultOutdated) {
        QPalette palette = label->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::Text,
                             OutdatedTextColour(palette.color(group, QPalette::Text),
                                                palette.color(group, QPalette::Base)));
        label->setPalette(palette);
    } else {
        label->setPalette(QPalette()); // the window's colours again
    }
    label->setAccessibleDescription(FromUtf8(ResultDescription(!m_resultOutdated)));
    RedrawFigureSoon();
}

// The figure shows what the result box shows, once the click has done its
// record: a rule that stops after the caption still writes into it.
void Form1::RedrawFigureSoon() {
    if (m_figure != nullptr)
        m_figureRedraw.start();
}

// The frame is drawn in the text colour; an outdated result keeps the
// frame of a current one, so the box never looks disabled.
void Form1::DrawCurrentBorder() {
    QLabel* label = m_ui->Label10;
    QPainter painter(label);
    painter.setPen(window()->palette().color(
        label->isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Text));
    painter.drawRect(label->rect().adjusted(0, 0, -1, -1));
}

} // namespace velmora
