// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include "calc/start_calculation.h"
#include "figure/figure_geometry.h"
#include "qt_runtime/announcer.h"
#include "qt_runtime/command_dispatch.h"
#include "qt_runtime/message_box.h"
#include "ui/figure_dialog.h"
#include "ui/qt_text.h"
#include "ui_form1.h"

#include <QLineEdit>

namespace velmora {

Form1::Form1(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::Form1>()) {
    m_ui->setupUi(this);
    m_rows = {{{m_ui->Text1, m_ui->Label3},
               {m_ui->Text2, m_ui->Label4},
               {m_ui->Text3, m_ui->Label5},
               {m_ui->Text4, m_ui->Label6},
               {m_ui->Text5, m_ui->Label7},
               {m_ui->Text6, m_ui->Label8},
               {m_ui->Text7, m_ui->Label9}}};

    // The window's fonts, in code because a .ui file stores only whole points.
    // Fonts set here, unlike a style sheet, cost nothing at start-up.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(7.5);
    setFont(font);
    font.setPointSizeF(9.75); // the two headings
    m_ui->Label1->setFont(font);
    m_ui->Label2->setFont(font);

    // Nothing reacts to resizing, so there is nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_ui->Command1->installEventFilter(this);
    for (const Row& row : m_rows) {
        // Return in a field runs the calculation, as a form's default button.
        row.field->installEventFilter(this);
        // Any edit (typing, pasting, deleting) leaves the result behind, and
        // ends the undo of a paste of several readings.
        connect(row.field, &QLineEdit::textChanged, this, [this, field = row.field] {
            MarkResultOutdated();
            if (!m_pasting)
                m_pastedInto.clear();
            field->setToolTip({});
            field->setAccessibleDescription({});
        });
    }

    // The result box takes the colours of an input area (window background
    // and window text in the palette), which a .ui file can only hard-code.
    m_ui->Label10->setBackgroundRole(QPalette::Base);
    m_ui->Label10->setForegroundRole(QPalette::Text);
    m_ui->Label10->installEventFilter(this);
    m_ui->Label10->setAccessibleDescription(FromUtf8(ResultDescription(true)));

    MakeActions();

    // Screen readers hear results, copies and an outdated result through it.
    m_announcer = new Announcer(this);
    m_figureRedraw.setSingleShot(true);
    m_figureRedraw.setInterval(0);
    connect(&m_figureRedraw, &QTimer::timeout, this,
            [this] { m_figure->ShowFigure(MakeFigureGeometry(ResultShown())); });
    m_heading.setSingleShot(true);
    connect(&m_heading, &QTimer::timeout, this, [this] { m_announcer->Say(m_ui->Label1->text()); });

    ConnectCommand(*m_ui->Command1, *this, StartCalculation);
}

Form1::~Form1() = default;

void Form1::Announce(std::string_view text) {
    m_announcer->Say(FromUtf8(text));
}

void Form1::ShowModalMessage(std::string_view prompt, int buttons) {
    ShowMessage(this, FromUtf8(prompt), buttons);
}

void Form1::ShowErrorBox(std::string_view message) {
    ShowRuntimeErrorMessage(this, FromUtf8(message));
}

// As the field's tooltip and its description, which a screen reader says
// with it: nothing is shown over the fields.
void Form1::ExplainField(int field, std::string_view explanation) {
    if (const Row* row = RowOf(field)) {
        row->field->setToolTip(FromUtf8(explanation));
        row->field->setAccessibleDescription(FromUtf8(explanation));
    }
}

std::string Form1::FieldCaption(int field) const {
    const Row* row = RowOf(field);
    return row != nullptr ? row->caption->text().toStdString() : std::string();
}

void Form1::FocusField(int field) {
    if (const Row* row = RowOf(field)) {
        row->field->selectAll();
        row->field->setFocus(Qt::OtherFocusReason);
    }
}

const Form1::Row* Form1::RowOf(int field) const {
    return field >= 1 && field <= static_cast<int>(m_rows.size())
               ? &m_rows[static_cast<std::size_t>(field - 1)]
               : nullptr;
}

int Form1::FieldNumberOf(const QObject* object) const {
    for (std::size_t k = 0; k < m_rows.size(); ++k)
        if (m_rows[k].field == object)
            return static_cast<int>(k) + 1;
    return 0;
}

std::optional<std::string> Form1::ReadFieldText(int field) {
    const Row* row = RowOf(field);
    if (row == nullptr)
        return std::nullopt;
    return row->field->text().toStdString();
}

bool Form1::WriteResultCaption(std::string_view caption) {
    m_ui->Label10->setText(FromUtf8(caption));
    for (const auto& [action, made] : m_actions)
        if (action->needs == ActionNeeds::Result)
            made->setEnabled(!caption.empty());
    return true;
}

// The figure belongs to the window and goes with it.
void Form1::closeEvent(QCloseEvent* event) {
    if (m_figure != nullptr)
        m_figure->close();
    QWidget::closeEvent(event);
}

} // namespace velmora
