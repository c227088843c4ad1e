// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pasting several readings at once into Form1's fields, and undoing it.

#include "platform/pasted_readings.h"
#include "ui/form1.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <utility>

namespace velmora {

// Several readings at once (a spreadsheet column or row, a CSV line) fill the
// field pasted into and those below it. Each field's text is replaced as
// typing would, so each keeps its own undo. Returns false when the text is
// to be pasted as typed.
bool Form1::PasteReadings(int field, const QString& text) {
    const std::optional<PastedReadings> pasted =
        SplitPastedReadings(text.toStdString(), field, FieldCaption(field));
    if (!pasted)
        return false;
    if (!pasted->refusal.empty()) {
        ShowModalMessage(pasted->refusal, 0);
        return true;
    }
    if (pasted->pieces.size() == 1) {
        RowOf(field)->field->insert(FromUtf8(pasted->pieces.front()));
        return true;
    }
    m_pasting = true;
    m_pastedInto.clear();
    for (std::size_t k = 0; k < pasted->pieces.size(); ++k) {
        QLineEdit* target = RowOf(field + static_cast<int>(k))->field;
        target->selectAll();
        target->insert(FromUtf8(pasted->pieces[k]));
        m_pastedInto.push_back(target);
    }
    m_pasting = false;
    return true;
}

// Strg+Z in the field pasted into, right after a paste of several readings,
// undoes it in every field it filled.
bool Form1::UndoPaste(QLineEdit* field) {
    if (m_pastedInto.empty() || m_pastedInto.front() != field)
        return false;
    m_pasting = true;
    for (QLineEdit* pasted : std::exchange(m_pastedInto, {}))
        pasted->undo();
    m_pasting = false;
    return true;
}

// Strg+V and Umschalt+Einfg where the focus is on no field (the button, the
// result box), and the window menu's "Messwerte einfügen": a paste into
// Text1, as if it had the focus.
void Form1::PasteIntoFirstField() {
    QLineEdit* first = m_rows.front().field;
    first->setFocus(Qt::OtherFocusReason);
    if (!PasteReadings(1, QGuiApplication::clipboard()->text()))
        first->paste();
}

void Form1::PasteFromMenu(const Action& /*action*/) {
    PasteIntoFirstField();
}

// The field's own menu, whose "Einfügen" pastes by the same rules as the keys.
void Form1::ShowFieldMenu(QLineEdit* field, int number, const QPoint& position) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Known by its text, translated as QLineEdit translates it.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteText) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, field, [this, field, number] {
                if (!PasteReadings(number, QGuiApplication::clipboard()->text()))
                    field->paste();
            });
        }
    menu->popup(position);
}

} // namespace velmora
