// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Form1's actions, made from the table of the window's actions: their keys,
// the result box's menu and the window's own, and what each one does.

#include "figure/figure_geometry.h"
#include "ui/about_velmora.h"
#include "ui/beside_window.h"
#include "ui/figure_dialog.h"
#include "ui/form1.h"
#include "ui/qt_text.h"
#include "ui_form1.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <utility>

namespace velmora {

Form1::Performer Form1::PerformerOf(std::string_view name) {
    static constexpr std::pair<std::string_view, Performer> Performers[] = {
        {"copyResult", &Form1::CopyResult},   {"copyTable", &Form1::CopyTable},
        {"copyFigure", &Form1::CopyFigure},   {"copyReport", &Form1::CopyReport},
        {"showFigure", &Form1::ShowFigure},   {"about", &Form1::ShowAbout},
        {"reachResult", &Form1::ReachResult}, {"pasteReadings", &Form1::PasteFromMenu},
    };
    for (const auto& [performed, performer] : Performers)
        if (performed == name)
            return performer;
    qFatal("No code performs the action %.*s", static_cast<int>(name.size()), name.data());
}

// Each action works from anywhere in the window by its key; those that need a
// result wait for the first one.
void Form1::MakeActions() {
    for (const Action& action : WindowActions()) {
        auto* made = new QAction(FromUtf8(action.label), this);
        if (!action.desktopKey.empty())
            made->setShortcut(
                QKeySequence(FromUtf8(action.desktopKey), QKeySequence::PortableText));
        made->setEnabled(action.needs == ActionNeeds::Nothing);
        connect(made, &QAction::triggered, this,
                [this, &action, perform = PerformerOf(action.name)] { (this->*perform)(action); });
        addAction(made);
        m_actions.emplace_back(&action, made);
    }
    connect(m_ui->Label10, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &Form1::ShowWindowMenu);
}

// The actions of one of the menus in their groups, a separator between two.
void Form1::AddMenuActions(QMenu& menu, bool resultMenu) const {
    int group = 0;
    for (const auto& [action, made] : m_actions) {
        if (!(resultMenu ? action->resultMenu : action->windowMenu))
            continue;
        if (group != 0 && action->group != group)
            menu.addSeparator();
        group = action->group;
        menu.addAction(made);
    }
}

// A mouse user finds copying in the result box's context menu. QLabel has no
// public select-all or copy, so those entries send the label the very keys a
// keyboard user would press, and do exactly what those do.
void Form1::ShowResultMenu(const QPoint& position) {
    QLabel* label = m_ui->Label10;
    const auto pressOnLabel = [label](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QCoreApplication::sendEvent(label, &press);
    };
    auto* menu = new QMenu(label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QStringLiteral("&Kopieren"), label,
                                    [pressOnLabel] { pressOnLabel(Qt::Key_C); });
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setEnabled(label->hasSelectedText());
    QAction* selectAll = menu->addAction(QStringLiteral("Alles &auswählen"), label,
                                         [pressOnLabel] { pressOnLabel(Qt::Key_A); });
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    selectAll->setEnabled(!label->text().isEmpty());
    menu->addSeparator();
    AddMenuActions(*menu, true);
    menu->popup(label->mapToGlobal(position));
}

// The window's own menu, which its free area and its captions open.
void Form1::ShowWindowMenu(const QPoint& position) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AddMenuActions(*menu, false);
    menu->popup(mapToGlobal(position));
}

// The figure "Verlauf" opens before the first result too, and says how to
// get one. Its buttons are the actions the table gives it.
void Form1::ShowFigure(const Action& /*action*/) {
    if (m_figure == nullptr) {
        std::vector<std::pair<int, QAction*>> placed;
        for (const auto& [action, made] : m_actions)
            if (action->button != 0)
                placed.emplace_back(action->button, made);
        std::sort(placed.begin(), placed.end());
        std::vector<QAction*> buttons;
        buttons.reserve(placed.size());
        for (const auto& [place, made] : placed)
            buttons.push_back(made);
        m_figure = new FigureDialog(this, buttons);
        m_figure->ShowFigure(MakeFigureGeometry(ResultShown()));
    }
    ShowBeside(*m_figure, *this);
}

void Form1::ShowAbout(const Action& action) {
    ShowAboutVelmora(this, action);
}

// The result box, by key: it takes the focus only by a click otherwise, and
// a screen reader reads what has the focus.
void Form1::ReachResult(const Action& /*action*/) {
    m_ui->Label10->setFocus(Qt::ShortcutFocusReason);
}

} // namespace velmora
