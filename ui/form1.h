// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/actions.h"
#include "platform/calculation_record.h"
#include "platform/control_access.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMimeData;
class QLineEdit;
class QMenu;

namespace velmora {

class Announcer;
class CopyConfirmation;
class FigureDialog;

namespace Ui {
class Form1;
}

// The one window. Its layout lives in form1.ui; the class wires the button to
// StartCalculation and is the window the calculation reads and writes,
// through its typed controls. Its jobs, one file each:
// - form1.cpp: the window the calculation sees (ControlAccess);
// - form1_keys_and_mouse.cpp: what keys and the mouse do in it;
// - form1_paste.cpp: pasting several readings at once;
// - form1_actions.cpp: its actions and menus, built from the table of actions;
// - form1_copies.cpp: the copies for a report;
// - form1_outdated.cpp: how a result that is no longer current looks.
class Form1 : public QWidget, public ControlAccess {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    [[nodiscard]] std::string FieldCaption(int field) const override;
    void FocusField(int field) override;
    void ShowErrorBox(std::string_view message) override;
    void ExplainField(int field, std::string_view explanation) override;

protected:
    std::optional<std::string> ReadFieldText(int field) override;
    bool WriteResultCaption(std::string_view caption) override;
    void ShowModalMessage(std::string_view prompt, int buttons) override;
    void ShowResultCurrent(bool current) override;
    void Announce(std::string_view text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One input row: the field TextN and the caption beside it.
    struct Row {
        QLineEdit* field;
        QLabel* caption;
    };
    // What performs one of the window's actions.
    using Performer = void (Form1::*)(const Action&);

    // The row of field TextN, or nullptr for any other N.
    [[nodiscard]] const Row* RowOf(int field) const;
    // N of field TextN, or 0 for any other object.
    [[nodiscard]] int FieldNumberOf(const QObject* object) const;

    // Keys and the mouse.
    bool FilterFieldEvent(QLineEdit* field, int number, QEvent* event);
    bool FilterResultEvent(QEvent* event);
    bool FilterButtonEvent(QEvent* event);
    void SelectWholeNumber();
    void ShareSelection();

    // Pasting.
    bool PasteReadings(int field, const QString& text);
    bool UndoPaste(QLineEdit* field);
    void ShowFieldMenu(QLineEdit* field, int number, const QPoint& position);
    void PasteIntoFirstField();
    void PasteFromMenu(const Action& action);

    // The actions and their menus.
    void MakeActions();
    [[nodiscard]] static Performer PerformerOf(std::string_view name);
    void AddMenuActions(QMenu& menu, bool resultMenu) const;
    void ShowResultMenu(const QPoint& position);
    void ShowWindowMenu(const QPoint& position);
    void ShowFigure(const Action& action);
    void ShowAbout(const Action& action);
    void ReachResult(const Action& action);

    // The copies.
    void CopyResult(const Action& action);
    void CopyFigure(const Action& action);
    void CopyTable(const Action& action);
    void CopyReport(const Action& action);
    void PutOnClipboard(std::unique_ptr<QMimeData> data, const Action& action);

    // The outdated look.
    void DrawCurrentBorder();
    void RedrawFigureSoon();

    std::unique_ptr<Ui::Form1> m_ui;
    std::array<Row, ReadingCount> m_rows{};
    // The window's actions, in the order of the table.
    std::vector<std::pair<const Action*, QAction*>> m_actions;
    FigureDialog* m_figure = nullptr;           // made when first opened
    CopyConfirmation* m_confirmation = nullptr; // made at the first copy
    QTimer m_figureRedraw;                      // draws it again once the click is done
    Announcer* m_announcer = nullptr;
    bool m_resultOutdated = false;
    // The fields the last paste of several readings changed, the one pasted
    // into first: one Strg+Z there undoes all of them, until the next edit.
    std::vector<QLineEdit*> m_pastedInto;
    bool m_pasting = false;
    QTimer m_heading; // says the heading once, soon after the window comes up
    bool m_headingAnnounced = false;
};

} // namespace velmora
