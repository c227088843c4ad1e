// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/figure_dialog.h"

#include "figure/figure_drawing.h"
#include "platform/about_text.h"
#include "ui/figure_painter.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>
#include <utility>

namespace velmora {

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    // Reached by Tab, so a screen reader reads the text alternative.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Verlauf"));
    setBackgroundRole(QPalette::Base);
    setMinimumSize(320, 240);
}

void FigureView::SetFigure(FigureGeometry figure) {
    m_figure = std::move(figure);
    setAccessibleDescription(QString::fromStdString(m_figure.description));
    update();
}

QSize FigureView::sizeHint() const {
    return {static_cast<int>(FigureWidth), static_cast<int>(FigureHeight)};
}

void FigureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintFigure(painter, DrawFigure(m_figure, width(), height()), FigurePaletteOf(palette()));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

FigureDialog::FigureDialog(QWidget* parent, const std::vector<QAction*>& actions)
    : QDialog(parent), m_view(new FigureView(this)) {
    setWindowTitle(QStringLiteral("Verlauf"));
    auto* buttons = new QDialogButtonBox(this);
    for (QAction* action : actions) {
        auto* button = buttons->addButton(action->text(), QDialogButtonBox::ActionRole);
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    }
    // Made last, as it stands last: made first, Qt's tab order went from the
    // second button back to the first and never reached it or the figure.
    buttons->addButton(QDialogButtonBox::Close)->setText(FromUtf8(CloseLabel()));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    // The keys of the main window work here too.
    for (QAction* action : actions)
        addAction(action);
}

void FigureDialog::ShowFigure(FigureGeometry figure) {
    m_view->SetFigure(std::move(figure));
}

} // namespace velmora
