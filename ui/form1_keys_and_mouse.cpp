// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What keys and the mouse do in Form1: Return in a field and on the button,
// pasting by every way a paste arrives, and selecting in the result box.

#include "platform/whole_number.h"
#include "ui/form1.h"
#include "ui_form1.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <chrono>

namespace velmora {

namespace {

// Long enough for a screen reader to say the window and its focus first.
constexpr std::chrono::milliseconds HeadingDelay{300};

bool IsEnterKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

} // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Label10 && FilterResultEvent(event))
        return true;
    if (const int number = FieldNumberOf(watched);
        number != 0 && FilterFieldEvent(static_cast<QLineEdit*>(watched), number, event))
        return true;
    if (watched == m_ui->Command1 && FilterButtonEvent(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool Form1::FilterResultEvent(QEvent* event) {
    QObject* label = m_ui->Label10;
    switch (event->type()) {
    // A double-click selects a word; on a number, the whole number, so that
    // what is copied is the value shown and never a part of it.
    case QEvent::MouseButtonDblClick:
        label->event(event);
        SelectWholeNumber();
        ShareSelection();
        return true;
    // Every other way of selecting in the result box, by mouse or keys (the
    // menu's "Alles auswählen" sends the keys too).
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            PasteIntoFirstField();
            return true;
        }
        label->event(event);
        ShareSelection();
        return true;
    case QEvent::MouseButtonRelease:
        label->event(event);
        ShareSelection();
        return true;
    case QEvent::Paint:
        if (!m_resultOutdated)
            return false;
        label->event(event);
        DrawCurrentBorder();
        return true;
    default:
        return false;
    }
}

bool Form1::FilterFieldEvent(QLineEdit* field, int number, QEvent* event) {
    // Pasting several readings into a field, by every way a paste arrives:
    // the keys, the field's menu, and a middle click (X11's selection).
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste))
            return PasteReadings(number, QGuiApplication::clipboard()->text());
        if (key->matches(QKeySequence::Undo) && UndoPaste(field))
            return true;
        // Return and keypad Enter run the calculation, once a press, as a
        // form's default button does.
        if (IsEnterKey(*key)) {
            if (!key->isAutoRepeat())
                m_ui->Command1->click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection() &&
        PasteReadings(number, QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return true;
    if (event->type() == QEvent::ContextMenu) {
        ShowFieldMenu(field, number, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

bool Form1::FilterButtonEvent(QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // The window's heading, once, when it first comes to the front: its
        // caption stays "Form1", which says nothing. After the screen reader
        // has said the window and its focus.
        if (!m_headingAnnounced) {
            m_headingAnnounced = true;
            m_heading.start(HeadingDelay);
        }
        // The focus starts on the button so that a key press runs the
        // calculation at once. Qt shows the focus frame only after a Tab;
        // show it whenever the window comes to the front with the focus here.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
            setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }

    // Return and keypad Enter act exactly as Space does: shown pressed while
    // the key is down, one calculation when it comes up.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && key->matches(QKeySequence::Paste)) {
            PasteIntoFirstField();
            return true;
        }
        if (IsEnterKey(*key)) {
            QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                            key->isAutoRepeat());
            QCoreApplication::sendEvent(m_ui->Command1, &space);
            return true;
        }
    }
    return false;
}

// Qt has just selected the word under a double-click; widen it to the whole
// number. Selection positions count in the label's text document, where
// CR LF is a single paragraph break.
void Form1::SelectWholeNumber() {
    QLabel* label = m_ui->Label10;
    const int wordStart = label->selectionStart();
    const qsizetype wordLength = label->selectedText().size();
    if (wordStart < 0 || wordLength == 0)
        return;
    QString text = label->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    const auto start = static_cast<std::size_t>(wordStart);
    const TextRange number =
        WholeNumberAround(utf16, {start, start + static_cast<std::size_t>(wordLength)});
    label->setSelection(static_cast<int>(number.start),
                        static_cast<int>(number.end - number.start));
}

// Where the platform has a selection clipboard (X11's, which a middle click
// pastes), it holds exactly what is shown selected: the widened number, never
// the word Qt picked before.
void Form1::ShareSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && m_ui->Label10->hasSelectedText())
        clipboard->setText(m_ui->Label10->selectedText(), QClipboard::Selection);
}

} // namespace velmora
