// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pasting several readings at once, by every way a paste reaches a field.
// The splitting itself is tested with the calculation (calculation_test).
#include "testing/box_closer.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

class PasteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aColumnFillsTheFieldsBelow_data();
    void aColumnFillsTheFieldsBelow();
    void oneStrgZUndoesThePasteUntilTheNextEdit();
    void tooManyReadingsChangeNothingAndSaySo();
    void oneCellPastesWhereTheCursorIs();
    void aPasteWhereNoFieldHasTheFocusGoesIntoText1_data();
    void aPasteWhereNoFieldHasTheFocusGoesIntoText1();

private:
    QLineEdit* field(int number) const {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }
    QStringList fields() const {
        QStringList texts;
        for (int n = 1; n <= 7; ++n)
            texts << field(n)->text();
        return texts;
    }
    // Pastes the clipboard into field n the way named.
    void paste(int n, const QString& route);

    BoxCloser m_boxes;
    std::unique_ptr<velmora::Form1> m_form;
};

void PasteTest::initTestCase() {
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    qApp->installEventFilter(&m_boxes);
}

void PasteTest::init() {
    m_form = std::make_unique<velmora::Form1>();
    m_form->show();
    // On a real display the window manager may hold back the focus of a
    // window nobody clicked; asked, it gives it.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_boxes.seen.clear();
}

void PasteTest::cleanup() {
    m_form.reset();
}

void PasteTest::paste(int n, const QString& route) {
    field(n)->setFocus();
    if (route == "Strg+V")
        QTest::keyClick(field(n), Qt::Key_V, Qt::ControlModifier);
    if (route == "Umschalt+Einfg")
        QTest::keyClick(field(n), Qt::Key_Insert, Qt::ShiftModifier);
    if (route == "the field's menu") {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                field(n)->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(field(n), &event);
        auto* menu = field(n)->findChild<QMenu*>();
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        const auto pasteAction = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text().startsWith(QStringLiteral("Einf&ügen"));
        });
        QVERIFY(pasteAction != actions.end());
        (*pasteAction)->trigger();
        menu->close();
    }
    if (route == "a middle click")
        QTest::mouseClick(field(n), Qt::MiddleButton);
    QCoreApplication::processEvents();
}

void PasteTest::aColumnFillsTheFieldsBelow_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QClipboard::Mode>("mode");
    QTest::newRow("Strg+V") << "Strg+V" << QClipboard::Clipboard;
    QTest::newRow("Umschalt+Einfg") << "Umschalt+Einfg" << QClipboard::Clipboard;
    QTest::newRow("the field's menu") << "the field's menu" << QClipboard::Clipboard;
    // X11's selection exists only on a real X server (x11_paste_test).
    if (QGuiApplication::clipboard()->supportsSelection())
        QTest::newRow("a middle click") << "a middle click" << QClipboard::Selection;
}

void PasteTest::aColumnFillsTheFieldsBelow() {
    QFETCH(QString, route);
    QFETCH(QClipboard::Mode, mode);
    field(1)->setText(QStringLiteral("9"));
    field(2)->setText(QStringLiteral("old"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1,5\r\n\r\n3\r\n4\r\n"), mode);
    paste(2, route);
    QCOMPARE(fields(), (QStringList{"9", "1,5", "", "3", "4", "", ""}));
    QCOMPARE(m_boxes.seen.size(), 0);
    // The focus stays where the paste went (after a menu, the offscreen
    // platform gives no window the focus back).
    if (route != "the field's menu")
        QCOMPARE(QApplication::focusWidget(), field(2));
    // A text without separators pastes as ever.
    field(7)->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("2,5"), mode);
    paste(7, route);
    QCOMPARE(field(7)->text(), QStringLiteral("2,5"));
}

void PasteTest::oneStrgZUndoesThePasteUntilTheNextEdit() {
    const QStringList before{"a", "b", "c", "d", "e", "f", "g"};
    for (int n = 1; n <= 7; ++n)
        field(n)->setText(before[n - 1]);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n"));
    paste(3, "Strg+V");
    QCOMPARE(fields(), (QStringList{"a", "b", "1", "2", "3", "f", "g"}));
    QTest::keyClick(field(3), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fields(), before);

    // After a further edit, each field undoes only its own.
    paste(3, "Strg+V");
    QTest::keyClicks(field(3), QStringLiteral("9"));
    QTest::keyClick(field(3), Qt::Key_Z, Qt::ControlModifier);
    QStringList after = fields();
    QVERIFY(after[2] != QStringLiteral("19"));
    after[2] = QStringLiteral("Text3's own undo");
    QCOMPARE(after, (QStringList{"a", "b", "Text3's own undo", "2", "3", "f", "g"}));
}

void PasteTest::tooManyReadingsChangeNothingAndSaySo() {
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n4\n5\n"));
    paste(4, "Strg+V");
    QCOMPARE(fields(), QStringList(7, QString()));
    QCOMPARE(m_boxes.seen.size(), 1);
    QCOMPARE(
        m_boxes.seen.front().text,
        QStringLiteral("Ab dem Feld „T = 400 °C“ ist Platz für 4 Werte; eingefügt wurden 5. Für "
                       "„5“ ist kein Feld mehr frei."));
    QCOMPARE(m_boxes.seen.front().title, QStringLiteral("Velmora"));
}

void PasteTest::oneCellPastesWhereTheCursorIs() {
    field(1)->setText(QStringLiteral("12"));
    field(1)->setFocus();
    field(1)->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral(",5\r\n"));
    QTest::keyClick(field(1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field(1)->text(), QStringLiteral("1,52"));
    QCOMPARE(field(2)->text(), QString());
}

void PasteTest::aPasteWhereNoFieldHasTheFocusGoesIntoText1_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("Strg+V on the button") << "Strg+V on the button";
    QTest::newRow("Umschalt+Einfg on the button") << "Umschalt+Einfg on the button";
    QTest::newRow("Strg+V in the result box") << "Strg+V in the result box";
    QTest::newRow("the window's menu") << "the window's menu";
}

void PasteTest::aPasteWhereNoFieldHasTheFocusGoesIntoText1() {
    QFETCH(QString, route);
    auto* button = m_form->findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* result = m_form->findChild<QLabel*>(QStringLiteral("Label10"));
    for (const QString& pasted : {QStringLiteral("1,5\n2\n3\n"), QStringLiteral("7,25")}) {
        for (int n = 1; n <= 7; ++n)
            field(n)->clear();
        QGuiApplication::clipboard()->setText(pasted);
        if (route.endsWith(QLatin1String("on the button"))) {
            button->setFocus();
            if (route.startsWith(QLatin1String("Strg")))
                QTest::keyClick(button, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClick(button, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (route.endsWith(QLatin1String("result box"))) {
            result->setFocus();
            QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(420, 20),
                                    m_form->mapToGlobal(QPoint(420, 20)));
            QCoreApplication::sendEvent(m_form.get(), &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.front()->text(), QStringLiteral("Messwerte ein&fügen"));
            actions.front()->trigger();
            menu->close();
        }
        QCoreApplication::processEvents();
        QCOMPARE(fields(), pasted.contains(QLatin1Char('\n'))
                               ? (QStringList{"1,5", "2", "3", "", "", "", ""})
                               : (QStringList{"7,25", "", "", "", "", "", ""}));
        // After a menu, the offscreen platform gives no window the focus back.
        if (route != "the window's menu")
            QCOMPARE(QApplication::focusWidget(), field(1));
        QCOMPARE(m_boxes.seen.size(), 0);
    }
}

QTEST_MAIN(PasteTest)
#include "paste_test.moc"
