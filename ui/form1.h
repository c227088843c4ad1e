// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sample_values.h"
#include "platform/control_access.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMimeData;
class QLineEdit;

namespace velmora {

class Announcer;
class FigureDialog;

namespace Ui {
class Form1;
}

// The one window. Its layout lives in form1.ui; the class wires the button to
// StartCalculation and is the window the calculation reads and writes,
// through its typed controls.
class Form1 : public QWidget, public ControlAccess {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    [[nodiscard]] std::string FieldCaption(int field) const override;
    void FocusField(int field) override;
    void ShowErrorBox(std::string_view message) override;

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

    // The row of field TextN, or nullptr for any other N.
    [[nodiscard]] const Row* RowOf(int field) const;
    // N of field TextN, or 0 for any other object.
    [[nodiscard]] int FieldNumberOf(const QObject* object) const;
    bool PasteReadings(int field, const QString& text);
    void ShowFieldMenu(QLineEdit* field, int number, const QPoint& position);
    void ShowResultMenu(const QPoint& position);
    void SelectWholeNumber();
    void ShareSelection();
    void CopyResult();
    void ShowFigure();
    void CopyFigure();
    void CopyTable();
    void PutOnClipboard(std::unique_ptr<QMimeData> data, std::string_view confirmation);
    void DrawCurrentBorder();
    void ShowWindowMenu(const QPoint& position);

    std::unique_ptr<Ui::Form1> m_ui;
    std::array<Row, SampleValues::Count> m_rows{};
    QAction* m_copyResult = nullptr;
    QAction* m_about = nullptr;
    QAction* m_showFigure = nullptr;
    QAction* m_copyFigure = nullptr;
    QAction* m_copyTable = nullptr;
    FigureDialog* m_figure = nullptr; // made when first opened
    bool m_figureDue = false;         // to be drawn again once the click is done
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
