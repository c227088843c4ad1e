// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figure "Verlauf" in the window, and the copies for a report: how they
// open, what they show and what reaches the clipboard. The figure itself is
// tested without Qt (figure_test).
#include "figure/figure_drawing.h"
#include "figure/figure_geometry.h"
#include "testing/box_closer.h"
#include "ui/copy_confirmation.h"
#include "ui/figure_dialog.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

class FigureWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theFigureOpensByKeyAndMenuAndBelongsToTheWindow_data();
    void theFigureOpensByKeyAndMenuAndBelongsToTheWindow();
    void theFigureFollowsTheResult();
    void copiesReachTheClipboardInEveryFormat_data();
    void copiesReachTheClipboardInEveryFormat();
    void theCopyNoteGoesAfterAboutTwoSeconds();
    void noLabelIsCutAtAnySizeOfTheDialog();
    void nothingIsCopiedBeforeTheFirstResult();
    void everyCopySaysWhetherTheResultIsCurrent_data();
    void theReportIsOneHtmlWithTheTableAndThePicture_data();
    void theReportIsOneHtmlWithTheTableAndThePicture();
    void everyCopySaysWhetherTheResultIsCurrent();
    void everyButtonOfTheFigureHasAKeyOfItsOwn();
    void theFigureIsLightOrDarkWithTheWindow();
    void theFigureOpensBesideTheWindowAndWhereItWasLeft();
    void tabGoesRoundTheWholeFigureWindow();

private:
    QLineEdit* field(int number) const {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }
    QLabel* result() const { return m_form->findChild<QLabel*>(QStringLiteral("Label10")); }
    velmora::FigureDialog* figure() const { return m_form->findChild<velmora::FigureDialog*>(); }
    QLabel* confirmation() const { return m_form->findChild<velmora::CopyConfirmation*>(); }
    // The buttons that copy, without "Schließen".
    QList<QPushButton*> copyButtons() const {
        QList<QPushButton*> found;
        for (QPushButton* button : figure()->findChildren<QPushButton*>())
            if (button->text() != "&Schließen")
                found << button;
        return found;
    }
    QString described() const {
        return figure()->findChild<velmora::FigureView*>()->accessibleDescription();
    }
    void calculate(const QStringList& values) {
        for (int k = 0; k < values.size(); ++k)
            field(k + 1)->setText(values[k]);
        QTest::keyClick(field(1), Qt::Key_Return);
    }
    // The menu a right click on `widget` opens, once it is up.
    QMenu* menuOf(QWidget* widget) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                widget->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(widget, &event);
        QMenu* menu = nullptr;
        const bool up = QTest::qWaitFor([&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr;
        });
        return up ? menu : nullptr;
    }

    BoxCloser m_boxes;
    std::unique_ptr<velmora::Form1> m_form;
};

void FigureWindowTest::initTestCase() {
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    qApp->installEventFilter(&m_boxes);
}

void FigureWindowTest::init() {
    m_form = std::make_unique<velmora::Form1>();
    m_form->show();
    // On a real display the window manager may hold back the focus of a
    // window nobody clicked; asked, it gives it.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QGuiApplication::clipboard()->clear();
}

void FigureWindowTest::cleanup() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        menu->close();
    m_form.reset();
    QVERIFY2(m_boxes.seen.isEmpty(), "a box nobody expected");
}

void FigureWindowTest::theFigureOpensByKeyAndMenuAndBelongsToTheWindow_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("F9") << "F9";
    QTest::newRow("the result box's menu") << "result menu";
    QTest::newRow("the window's menu") << "window menu";
}

void FigureWindowTest::theFigureOpensByKeyAndMenuAndBelongsToTheWindow() {
    QFETCH(QString, way);
    // It costs nothing until it is opened.
    QVERIFY(figure() == nullptr);
    if (way == "F9") {
        QTest::keyClick(field(3), Qt::Key_F9);
    } else {
        QMenu* menu = menuOf(way == "result menu" ? static_cast<QWidget*>(result()) : m_form.get());
        QVERIFY(menu != nullptr);
        QAction* show = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == "Verlauf an&zeigen")
                show = action;
        menu->close();
        QVERIFY(show != nullptr);
        if (show != nullptr)
            show->trigger();
    }
    QVERIFY(figure() != nullptr);
    QTRY_VERIFY(figure()->isVisible());
    QCOMPARE(figure()->windowTitle(), QString("Verlauf"));
    QCOMPARE(figure()->parentWidget(), m_form.get());
    QVERIFY(!figure()->isModal()); // the fields stay at hand
    QCOMPARE(described(),
             QString("Noch kein Ergebnis: Werte eingeben und „Starte Berechnung“ drücken."));

    // It closes with the window, so it never keeps the program running.
    m_form->close();
    for (const QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
    QPointer<velmora::FigureDialog> dialog = figure();
    m_form.reset();
    QVERIFY(dialog.isNull());
}

void FigureWindowTest::theFigureFollowsTheResult() {
    QTest::keyClick(field(1), Qt::Key_F9);
    QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
    // Nothing to copy yet; the buttons wait for a result as their actions do.
    QCOMPARE(copyButtons().size(), 3);
    for (const QPushButton* button : copyButtons())
        QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
    calculate({"1,5", "2", "3", "4", "5", "6", "7"});
    for (const QPushButton* button : copyButtons())
        QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    QTRY_COMPARE(described(),
                 QString("Messwerte über T: -200 °C: 1,5; 0 °C: 2; 200 °C: 3; 400 °C: 4; "
                         "600 °C: 5; 800 °C: 6; 1000 °C: 7; "
                         "Ergebnis nach der Trapezregel: F = 4850; "
                         "Ergebnis nach der Simpson-Regel: F = 4833,33333333333"));
    // Outdated exactly when the result is.
    field(4)->setText("9");
    QTRY_VERIFY(described().endsWith("; Das Ergebnis gehört nicht mehr zu den aktuellen Werten."));
    QVERIFY(described().contains("400 °C: 4;"));
    calculate({"1,5", "2", "3", "4", "5", "6", "8"});
    QTRY_VERIFY(described().endsWith("Simpson-Regel: F = 4900"));
    // Simpson's rule stops after the trapezoidal result is on display: the
    // figure shows that result and says why there is no other.
    calculate({"0", "8E+305", "0", "0", "0", "0", "0"});
    QTRY_COMPARE(m_boxes.seen.size(), 1);
    m_boxes.seen.clear();
    QTRY_VERIFY(described().endsWith("Ergebnis nach der Trapezregel: F = 1,6E+308; "
                                     "Das Ergebnis nach der Simpson-Regel ist zu groß."));
    // A click without a result leaves the last result's values, outdated.
    field(2)->setText("abc");
    QTest::keyClick(field(1), Qt::Key_Return);
    QTRY_COMPARE(m_boxes.seen.size(), 1);
    m_boxes.seen.clear();
    QTRY_VERIFY(described().endsWith("; Das Ergebnis gehört nicht mehr zu den aktuellen Werten."));
    QVERIFY(described().contains("-200 °C: 0;"));
}

void FigureWindowTest::copiesReachTheClipboardInEveryFormat_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("what");
    QTest::newRow("Strg+Umschalt+B, the figure unopened") << "keys"
                                                          << "figure";
    QTest::newRow("the figure's button") << "button"
                                         << "figure";
    QTest::newRow("Strg+Umschalt+T") << "keys"
                                     << "table";
    QTest::newRow("the table's button") << "button"
                                        << "table";
    QTest::newRow("the result box's menu, the table") << "menu"
                                                      << "table";
}

void FigureWindowTest::copiesReachTheClipboardInEveryFormat() {
    QFETCH(QString, way);
    QFETCH(QString, what);
    calculate({"0,1", "1,2", "4,5", "9", "16,1", "25", "36"});
    const QString name = what == "figure" ? "A&bbildung kopieren" : "&Werte und Ergebnis kopieren";
    if (way == "keys") {
        QTest::keyClick(field(2), what == "figure" ? Qt::Key_B : Qt::Key_T,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(figure() == nullptr); // without opening the figure
    } else if (way == "button") {
        QTest::keyClick(field(1), Qt::Key_F9);
        QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
        QPushButton* button = nullptr;
        for (QPushButton* candidate : figure()->findChildren<QPushButton*>())
            if (candidate->text() == name)
                button = candidate;
        QVERIFY(button != nullptr);
        button->click();
    } else {
        QMenu* menu = menuOf(result());
        QVERIFY(menu != nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == name)
                action->trigger();
        menu->close();
    }

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr);
    if (what == "figure") {
        const auto image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(1280, 800));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white)); // ready for a document
        // 16 cm wide in a document: the PNG's pHYs chunk says 8000 pixels
        // a metre, both ways (unit 1, the metre).
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "PNG"));
        const qsizetype pHYs = png.indexOf("pHYs");
        QVERIFY(pHYs > 0);
        QCOMPARE(png.mid(pHYs - 4, 4 + 4 + 9), QByteArray::fromHex("00000009"
                                                                   "70485973"
                                                                   "00001f40"
                                                                   "00001f40"
                                                                   "01"));
        QXmlStreamReader svg(data->data("image/svg+xml"));
        int curves = 0;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"path")
                curves += int(svg.attributes().value("d").count('Q'));
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(curves, 3);
    } else {
        const QStringList rows = data->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows[1], QString("-200\t0,1"));
        QCOMPARE(rows[9], QString("Ergebnis nach der Simpson-Regel\t14540"));
        // The HTML's numbers are numbers to an office program in any locale.
        QVERIFY(
            data->html().startsWith(R"(<html><head><meta charset="utf-8"></head><body><table>)"));
        QVERIFY(
            data->html().contains(R"(<td sdval="0.1" sdnum="1033;1031;0,0" x:num="0.1">0,1</td>)"));
    }
    // Seen as well as heard, below the result box, over no control, and
    // still there once the menu or the figure's button is done.
    QCoreApplication::processEvents();
    const QLabel* seen = confirmation();
    if (seen == nullptr)
        QFAIL("the copy shows no note");
    QVERIFY(seen->isVisible());
    QCOMPARE(seen->text(), what == "figure" ? QString("Abbildung kopiert.")
                                            : QString("Werte und Ergebnis kopiert."));
    const QRect shown(seen->mapToGlobal(QPoint(0, 0)), seen->size());
    const QRect box(result()->mapToGlobal(QPoint(0, 0)), result()->size());
    QVERIFY(shown.top() > box.bottom());
    QCOMPARE(shown.right(), box.right());
    for (const QWidget* control :
         m_form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!control->isWindow() && control->isVisible())
            QVERIFY2(!shown.intersects(QRect(control->mapToGlobal(QPoint(0, 0)), control->size())),
                     qPrintable(control->objectName()));
}

// A note that stays would soon say an old copy.
void FigureWindowTest::theCopyNoteGoesAfterAboutTwoSeconds() {
    calculate({"1", "1", "1", "1", "1", "1", "1"});
    QTest::keyClick(field(2), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QLabel* seen = confirmation();
    if (seen == nullptr)
        QFAIL("the copy shows no note");
    QVERIFY(seen->isVisible());
    QCOMPARE(seen->text(), QString("Ergebnis kopiert."));
    QTest::qWait(1500);
    QVERIFY(seen->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!seen->isVisible(), 1500);
}

// Measured in the painter's font: every text lies inside the figure, from
// the smallest size the dialog allows to a wide screen's, the copy's too.
void FigureWindowTest::noLabelIsCutAtAnySizeOfTheDialog() {
    QFont font;
    font.setFamily(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(velmora::FigureFontPixels));
    const QFontMetricsF metrics(font);
    const QList<QStringList> readings{{"0,1", "1,2", "4,5", "9", "16,1", "25", "36"},
                                      {"0", "1e7", "2e7", "4e7", "5e7", "6e7", "-8e7"},
                                      {"-1,5E+305", "1", "2", "3", "4", "5", "1,5E+305"}};
    for (const QStringList& values : readings) {
        calculate(values);
        const velmora::FigureView view(nullptr);
        for (const QSize size :
             {view.minimumSize(), QSize(480, 300), QSize(640, 400), QSize(1920, 1080)}) {
            const velmora::FigureDrawing drawing = velmora::DrawFigure(
                velmora::MakeFigureGeometry(m_form->ResultShown()), size.width(), size.height());
            for (const velmora::FigureText& text : drawing.texts) {
                const QString shown = QString::fromStdString(text.text);
                const qreal width = metrics.horizontalAdvance(shown);
                const qreal left = text.anchor == velmora::Anchor::Start    ? text.x
                                   : text.anchor == velmora::Anchor::Middle ? text.x - width / 2
                                                                            : text.x - width;
                QVERIFY2(left >= 0 && left + width <= size.width(),
                         qPrintable(QString("%1 at %2×%3: %4 … %5")
                                        .arg(shown)
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(left)
                                        .arg(left + width)));
            }
        }
    }
}

void FigureWindowTest::nothingIsCopiedBeforeTheFirstResult() {
    QGuiApplication::clipboard()->setText("vorher");
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_T, Qt::Key_C})
        QTest::keyClick(field(2), key, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("vorher"));
}

void FigureWindowTest::everyCopySaysWhetherTheResultIsCurrent_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Ergebnis kopieren") << int(Qt::Key_C);
    QTest::newRow("Werte und Ergebnis kopieren") << int(Qt::Key_T);
    QTest::newRow("Abbildung kopieren") << int(Qt::Key_B);
    QTest::newRow("Bericht kopieren") << int(Qt::Key_R);
}

void FigureWindowTest::everyCopySaysWhetherTheResultIsCurrent() {
    QFETCH(int, key);
    const QString outdated = "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.";
    // Every format the copy has: the text, the HTML, the SVG.
    const auto copied = [&] {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(field(2), Qt::Key(key), Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data->text() + data->html() + QString::fromUtf8(data->data("image/svg+xml"));
    };
    calculate({"0,1", "1,2", "4,5", "9", "16,1", "25", "36"});
    QVERIFY(!copied().contains(outdated));
    field(4)->setText("9,5");
    QVERIFY(copied().contains(outdated));
    if (key != Qt::Key_B) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->text().endsWith(outdated + (key == Qt::Key_C ? "" : "\n")));
    }
    QTest::keyClick(field(1), Qt::Key_Return);
    QVERIFY(!copied().contains(outdated));
}

void FigureWindowTest::theReportIsOneHtmlWithTheTableAndThePicture_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Strg+Umschalt+R") << "keys";
    QTest::newRow("the figure's button") << "button";
    QTest::newRow("the window's menu") << "menu";
}

void FigureWindowTest::theReportIsOneHtmlWithTheTableAndThePicture() {
    QFETCH(QString, way);
    calculate({"0,1", "1,2", "4,5", "9", "16,1", "25", "36"});
    if (way == "keys") {
        QTest::keyClick(field(2), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (way == "button") {
        QTest::keyClick(field(1), Qt::Key_F9);
        QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
        for (QPushButton* button : figure()->findChildren<QPushButton*>())
            if (button->text() == "Be&richt kopieren")
                button->click();
    } else {
        QMenu* menu = menuOf(m_form.get());
        QVERIFY(menu != nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == "Be&richt kopieren")
                action->trigger();
        menu->close();
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        QFAIL("nothing on the clipboard");
    QVERIFY(data->hasHtml());
    // No image beside the HTML, which an office program would take instead.
    QVERIFY(!data->hasImage());
    for (const QString& format : data->formats())
        QVERIFY2(!format.startsWith("image/"), qPrintable(format));
    // The text: the table with both results.
    const QStringList rows = data->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows[9], QString("Ergebnis nach der Simpson-Regel\t14540"));
    // The HTML: the table, its numbers as the table copy carries them, and
    // the figure inside as a PNG of 1280 × 800 pixels, 16 cm wide.
    const QString html = data->html();
    QVERIFY(html.contains(R"(<td sdval="14540" sdnum="1033;1031;0" x:num="14540">14540</td>)"));
    const QRegularExpressionMatch image =
        QRegularExpression(
            R"re(<img src="data:image/png;base64,([A-Za-z0-9+/=]+)" alt="Messwerte über T: [^"]+" )re"
            R"re(style="width:16cm;height:10cm">)re")
            .match(html);
    QVERIFY2(image.hasMatch(), qPrintable(html.left(400)));
    QImage png;
    QVERIFY(png.loadFromData(QByteArray::fromBase64(image.captured(1).toLatin1()), "PNG"));
    QCOMPARE(png.size(), QSize(1280, 800));
    QCOMPARE(png.dotsPerMeterX(), 8000);
    QCOMPARE(png.pixelColor(2, 2), QColor(Qt::white));
    QCOMPARE(html.count("<table>"), 1);
    QVERIFY(html.indexOf("</table>") < html.indexOf("<img"));
}

// Alt with a button's key presses it; two buttons with one key would only
// move between them. (The menus are checked with the window.)
void FigureWindowTest::everyButtonOfTheFigureHasAKeyOfItsOwn() {
    calculate({"1", "2", "3", "4", "5", "6", "7"});
    QTest::keyClick(field(1), Qt::Key_F9);
    QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
    QSet<QChar> keys;
    for (const QPushButton* button : figure()->findChildren<QPushButton*>()) {
        const QString text = button->text();
        const qsizetype amp = text.indexOf('&');
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text + " has no key"));
        QVERIFY2(!keys.contains(text[amp + 1].toLower()), qPrintable(text));
        keys << text[amp + 1].toLower();
    }
    QCOMPARE(keys.size(), 4);
}

void FigureWindowTest::theFigureIsLightOrDarkWithTheWindow() {
    calculate({"1", "2", "3", "4", "5", "6", "7"});
    for (const bool dark : {false, true}) {
        QPalette palette = QApplication::palette();
        if (dark) {
            palette.setColor(QPalette::Base, QColor(30, 30, 30));
            palette.setColor(QPalette::Text, QColor(230, 230, 230));
        }
        QTest::keyClick(field(1), Qt::Key_F9);
        QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
        auto* view = figure()->findChild<velmora::FigureView*>();
        view->setPalette(palette);
        const QImage shot = view->grab().toImage();
        // The background is the box's; the figure's texts read on it.
        QCOMPARE(shot.pixelColor(1, shot.height() - 2), palette.color(QPalette::Base));
        int textPixels = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                textPixels += shot.pixelColor(x, y) == palette.color(QPalette::Text) ? 1 : 0;
        QVERIFY(textPixels > 100);
    }
}

// Only a window manager places windows as a desktop does; ctest runs this
// once more on X11 with openbox on a full HD screen.
void FigureWindowTest::theFigureOpensBesideTheWindowAndWhereItWasLeft() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs X11 and a window manager");
    m_form->move(40, 40);
    QTRY_COMPARE(m_form->frameGeometry().topLeft(), QPoint(40, 40));
    QTest::keyClick(field(3), Qt::Key_F9);
    QVERIFY(figure() != nullptr);
    QTRY_VERIFY(figure()->isVisible());
    QTRY_VERIFY(figure()->frameGeometry().left() > m_form->frameGeometry().right());
    QCOMPARE(figure()->frameGeometry().top(), m_form->frameGeometry().top());
    // Raised over the window by a click on it, it still covers no field.
    m_form->activateWindow();
    QTRY_VERIFY(m_form->isActiveWindow());
    QVERIFY(!figure()->frameGeometry().intersects(m_form->frameGeometry()));

    // Moved by the user, closed and opened again: where it was left.
    const QPoint left(700, 300);
    figure()->windowHandle()->setFramePosition(left);
    QTRY_COMPARE(figure()->frameGeometry().topLeft(), left);
    figure()->close();
    QTRY_VERIFY(!figure()->isVisible());
    m_form->activateWindow();
    QTRY_VERIFY(m_form->isActiveWindow());
    QTest::keyClick(field(3), Qt::Key_F9);
    QTRY_VERIFY(figure()->isVisible());
    QTest::qWait(200); // the window manager maps it where it will
    QCOMPARE(figure()->frameGeometry().topLeft(), left);
}

// Tab reaches the figure, so a screen reader reads its text alternative, and
// every button, round and back. With "Schließen" made before the other
// buttons, Tab went from the second button back to the first, on a real
// display as offscreen; x11_figure_tab_test runs this on Xvfb with a window
// manager too, where the window is activated and focused as a user's is.
void FigureWindowTest::tabGoesRoundTheWholeFigureWindow() {
    calculate({"1", "2", "3", "4", "5", "6", "7"});
    QTest::keyClick(field(1), Qt::Key_F9);
    QTRY_VERIFY(figure() != nullptr && figure()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(figure()));
    const auto focused = [] {
        const QWidget* widget = QApplication::focusWidget();
        if (widget == nullptr)
            return QString("nothing");
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            return button->text();
        return widget->accessibleName();
    };
    const QStringList order{"Verlauf", "A&bbildung kopieren", "&Werte und Ergebnis kopieren",
                            "Be&richt kopieren", "&Schließen"};
    QTRY_COMPARE(focused(), order.front()); // where the window opens
    QStringList forwards{focused()};
    for (qsizetype k = 0; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forwards << focused();
    }
    QCOMPARE(forwards, order + QStringList{order.front()});
    QStringList backwards{focused()};
    for (qsizetype k = 0; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backwards << focused();
    }
    QStringList reversed{order.front()};
    for (qsizetype k = order.size() - 1; k >= 0; --k)
        reversed << order[k];
    QCOMPARE(backwards, reversed);
}

QTEST_MAIN(FigureWindowTest)
#include "figure_window_test.moc"
