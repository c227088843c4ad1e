// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window hands screen readers: the announcer's texts, as a screen
// reader receives them (through Qt's accessibility events and Velmora's own
// interfaces), the key to the result box, and the whole value of a field.
// tests/orca_test.py hears the same through Orca itself.
#include "qt_runtime/announcer.h"
#include "testing/box_closer.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

// Every notification shown, as a screen reader learns of it: the widget's
// accessible interface, of the notification role, names the text.
class NotificationRecorder : public QObject {
public:
    QStringList heard;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(watched);
            if (shown != nullptr && shown->role() == QAccessible::Notification)
                heard << shown->text(QAccessible::Name);
        }
        return false;
    }
};

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyChangeIsSaidOnceAfterItsBox_data();
    void everyChangeIsSaidOnceAfterItsBox();
    void theAnnouncerTakesNoSpaceAndNoFocus();
    void f8PutsTheFocusOnTheResultBox_data();
    void f8PutsTheFocusOnTheResultBox();
    void aFieldHandsOverItsWholeValue_data();
    void aFieldHandsOverItsWholeValue();

private:
    QLineEdit* field(int number) const {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }
    QLabel* result() const { return m_form->findChild<QLabel*>(QStringLiteral("Label10")); }
    void type(const QStringList& values) {
        for (int k = 0; k < values.size(); ++k) {
            field(k + 1)->clear();
            QTest::keyClicks(field(k + 1), values[k]);
        }
    }

    BoxCloser m_boxes;
    NotificationRecorder m_notifications;
    QStringList& m_heard = m_notifications.heard;
    std::unique_ptr<velmora::Form1> m_form;
};

void ScreenReaderTest::initTestCase() {
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    qApp->installEventFilter(&m_boxes);
    qApp->installEventFilter(&m_notifications);
}

void ScreenReaderTest::init() {
    m_form = std::make_unique<velmora::Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    // The heading, once, soon after the window comes up.
    QTRY_COMPARE(m_heard, QStringList{QStringLiteral("Lösung für Aufgabe 5")});
    m_heard.clear();
    m_boxes.seen.clear();
}

void ScreenReaderTest::cleanup() {
    m_form.reset();
    m_heard.clear();
}

void ScreenReaderTest::everyChangeIsSaidOnceAfterItsBox_data() {
    QTest::addColumn<QString>("keys"); // after seven good values and Return
    QTest::addColumn<QStringList>("heard");

    const QString result = QStringLiteral("Ergebnis nach der Trapezregel: F = 4850; Ergebnis nach "
                                          "der Simpson-Regel: F = 4833,33333333333");
    const QString outdated =
        QStringLiteral("Das Ergebnis gehört nicht mehr zu den aktuellen Werten.");
    QTest::newRow("a result") << "" << QStringList{result};
    QTest::newRow("Strg+Umschalt+C") << "copy" << QStringList{result, "Ergebnis kopiert."};
    QTest::newRow("Strg+Umschalt+B") << "figure" << QStringList{result, "Abbildung kopiert."};
    QTest::newRow("Strg+Umschalt+T")
        << "table" << QStringList{result, "Werte und Ergebnis kopiert."};
    QTest::newRow("Strg+Umschalt+R") << "report" << QStringList{result, "Bericht kopiert."};
    QTest::newRow("two keystrokes in a field") << "edit" << QStringList{result, outdated};
    QTest::newRow("bad text in Text3, then a click, then the box closed")
        << "bad" << QStringList{result, outdated};
}

void ScreenReaderTest::everyChangeIsSaidOnceAfterItsBox() {
    QFETCH(QString, keys);
    QFETCH(QStringList, heard);

    type({"1,5", "2", "3", "4", "5", "6", "7"});
    QTest::keyClick(field(7), Qt::Key_Return);
    const QMap<QString, Qt::Key> copyKeys{
        {"copy", Qt::Key_C}, {"figure", Qt::Key_B}, {"table", Qt::Key_T}, {"report", Qt::Key_R}};
    if (copyKeys.contains(keys))
        QTest::keyClick(field(2), copyKeys[keys], Qt::ControlModifier | Qt::ShiftModifier);
    if (keys == "edit")
        QTest::keyClicks(field(2), QStringLiteral("99"));
    if (keys == "bad") {
        field(3)->setText(QStringLiteral("abc"));
        m_heard.removeLast(); // the edit's, heard before the box
        QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(m_boxes.seen.size(), 1);
        // Not said again after the box: it was outdated already.
        QCOMPARE(m_heard, QStringList{heard.first()});
        m_heard << heard.last();
    }
    QCOMPARE(m_heard, heard);
}

void ScreenReaderTest::theAnnouncerTakesNoSpaceAndNoFocus() {
    auto* announcer = m_form->findChild<velmora::Announcer*>();
    QVERIFY(announcer != nullptr);
    QCOMPARE(announcer->size(), QSize(0, 0));
    QCOMPARE(announcer->focusPolicy(), Qt::NoFocus);
    // Tab walks past it: button, Text1 ... Text7, and round again.
    QWidget* widget = m_form->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int step = 0; step < 9; ++step) {
        QVERIFY(widget != announcer);
        widget = widget->nextInFocusChain();
    }
}

void ScreenReaderTest::f8PutsTheFocusOnTheResultBox_data() {
    QTest::addColumn<int>("from"); // the field with the focus, 0 for the button
    QTest::newRow("from the button") << 0;
    QTest::newRow("from a field") << 4;
}

void ScreenReaderTest::f8PutsTheFocusOnTheResultBox() {
    QFETCH(int, from);
    type({"1", "1", "1", "1", "1", "1", "1"});
    QWidget* start =
        from == 0
            ? static_cast<QWidget*>(m_form->findChild<QPushButton*>(QStringLiteral("Command1")))
            : field(from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_F8);
    QCOMPARE(QApplication::focusWidget(), result());
    // What a screen reader reads there: the result box, described.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(result());
    QVERIFY(box->state().focused);
    QCOMPARE(box->text(QAccessible::Description), QStringLiteral("Ergebnis"));
    // Tab goes on as before.
    QTest::keyClick(result(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != result());
}

void ScreenReaderTest::aFieldHandsOverItsWholeValue_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("1,5 with comma") << "1,5";
    QTest::newRow("one digit") << "2";
    QTest::newRow("no number") << "abc";
    QTest::newRow("empty") << "";
}

void ScreenReaderTest::aFieldHandsOverItsWholeValue() {
    QFETCH(QString, value);
    field(1)->setText(value);
    field(1)->setFocus();
    field(1)->selectAll();
    QAccessibleInterface* text1 = QAccessible::queryAccessibleInterface(field(1));
    QCOMPARE(text1->role(), QAccessible::EditableText);
    QCOMPARE(text1->text(QAccessible::Name), QStringLiteral("T = -200 °C"));
    QCOMPARE(text1->text(QAccessible::Value), value);
    QAccessibleTextInterface* text = text1->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->characterCount(), value.size());
    QCOMPARE(text->text(0, text->characterCount()), value);
    int start = -1;
    int end = -1;
    // One attribute run over the whole text, wherever it is asked: a screen
    // reader speaks the run it gets.
    for (int offset = 0; offset <= value.size(); ++offset) {
        text->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, value.size());
    }
    QCOMPARE(text->selectionCount(), value.isEmpty() ? 0 : 1);
    if (!value.isEmpty()) {
        text->selection(0, &start, &end);
        QCOMPARE(end - start, value.size());
    }
    // Tools that type for the user edit it as typing would.
    text1->editableTextInterface()->insertText(0, QStringLiteral("-"));
    QCOMPARE(field(1)->text(), "-" + value);
}

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
