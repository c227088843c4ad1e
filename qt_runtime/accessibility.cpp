// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/accessibility.h"

#include "qt_runtime/announcer.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace velmora {

namespace {

class AnnouncerInterface : public QAccessibleWidget {
public:
    explicit AnnouncerInterface(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name ? static_cast<const Announcer*>(widget())->Text()
                                          : QString();
    }
};

// A text field, written from Qt's public API only (its own is not exported).
// The difference that matters: the attribute run is the whole text, so a
// screen reader reads the whole value.
class FieldInterface : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit FieldInterface(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? Field()->text() : QAccessibleWidget::text(which);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Field()->isReadOnly();
        state.readOnly = Field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && Field()->hasSelectedText()) {
            *start = Field()->selectionStart();
            *end = Field()->selectionEnd();
        }
    }
    [[nodiscard]] int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            Field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            Field()->setSelection(start, end - start);
    }
    [[nodiscard]] int cursorPosition() const override { return Field()->cursorPosition(); }
    void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
    [[nodiscard]] QString text(int start, int end) const override {
        return Field()->text().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override {
        return static_cast<int>(Field()->text().size());
    }
    // From the cursor's rectangle, which holds the field's scrolling, and the
    // width of the text between the cursor and the character.
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QLineEdit* field = Field();
        const QString text = field->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = field->fontMetrics();
        const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(field->cursorPosition()));
        const QRect local(x, cursor.y(), metrics.horizontalAdvance(text.at(offset)),
                          cursor.height());
        return local.translated(field->mapToGlobal(QPoint(0, 0)));
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return Field()
            ->inputMethodQuery(Qt::ImCursorPosition, QPointF(Field()->mapFromGlobal(point)))
            .toInt();
    }
    void scrollToSubstring(int start, int end) override {
        Field()->setCursorPosition(end);
        Field()->setCursorPosition(start);
    }
    [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editing, as typing would.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        QLineEdit* field = Field();
        if (field->isReadOnly())
            return;
        QString edited = field->text();
        edited.replace(start, end - start, text);
        field->setText(edited);
        field->setCursorPosition(start + static_cast<int>(text.size()));
    }

private:
    [[nodiscard]] QLineEdit* Field() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* VelmoraInterface(const QString& /*className*/, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new AnnouncerInterface(announcer);
    // A password field's text must stay unsaid: Qt's own interface masks it.
    if (auto* field = qobject_cast<QLineEdit*>(object);
        field != nullptr && field->echoMode() == QLineEdit::Normal)
        return new FieldInterface(field);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(VelmoraInterface);
}

} // namespace velmora
