// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "figure/figure_geometry.h"

#include <QDialog>
#include <QWidget>
#include <vector>

class QAction;

namespace velmora {

// The figure itself, drawn at whatever size it has. Screen readers get its
// text alternative as its description.
class FigureView : public QWidget {
    Q_OBJECT

public:
    explicit FigureView(QWidget* parent);
    void SetFigure(FigureGeometry figure);
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FigureGeometry m_figure;
};

// "Verlauf": the figure of the result on display, in a window of its own that
// belongs to Form1 like its message boxes: it closes with the window and
// never keeps the program running. Not modal, so the fields stay at hand.
class FigureDialog : public QDialog {
    Q_OBJECT

public:
    // The buttons are Form1's actions, so the buttons and the keys do one
    // thing.
    FigureDialog(QWidget* parent, const std::vector<QAction*>& actions);
    void ShowFigure(FigureGeometry figure);

private:
    FigureView* m_view;
};

} // namespace velmora
