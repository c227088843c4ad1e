// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/announcer.h"
#include "testing/box_closer.h"
#include "tests/result_text.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

// How many pixels of a label's image, inside its border (which is drawn in
// the window's text colour), are of the kind asked for.
template <typename Kind> int PixelsInside(const QImage& image, Kind isOfKind) {
    int count = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            count += isOfKind(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// The window's controls: its child widgets but the screen readers' invisible
// announcer.
qsizetype ControlCount(const QWidget& window) {
    const QList<QWidget*> children =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return std::count_if(children.begin(), children.end(), [](QWidget* child) {
        return qobject_cast<velmora::Announcer*>(child) == nullptr;
    });
}

} // namespace

static QPoint CharacterCentre(const QLabel& label, int position);

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyControlSitsWhereTheTableSays_data();
    void everyControlSitsWhereTheTableSays();
    void theWindowIsFixedAndNamedForm1();
    void focusStartsOnTheButtonAndTabWalksTheFields();
    void typingSevenValuesAndClickingShowsBothResults();
    void aClickRightAfterStartShowsTheMessageAndChangesNothing();
    void text1ExplainsItselfOnceItsBoxIsClosed();
    void aBadSecondValueShowsAnErrorAndTheNextClickStillWorks();
    void theProgramKeepsRunningAfterAnErrorBox();
    void anErrorBoxShowsAFieldTextAsPlainText();
    void anOverflowInSimpsonKeepsTheTrapezoidLinesAndTheProgramAlive();
    void aNonNumericFirstValueKeepsThePreviousResult();
    void onlyACompletedClickOrKeyPressRunsTheCalculation();
    void hostileTextsGetANumberTheMessageOrAClearError_data();
    void hostileTextsGetANumberTheMessageOrAClearError();
    void theResultBoxHasTheColoursOfAnInputArea();
    void theResultCanBeSelectedAndCopiedButNotEdited();
    void screenReadersHearTheCaptionOfEachField();
    void screenReadersFindTheResultBox();
    void theFocusFrameShowsFromTheStart();
    void returnAndEnterOnTheButtonActAsSpace_data();
    void returnAndEnterOnTheButtonActAsSpace();
    void returnInAFieldRunsTheCalculation_data();
    void returnInAFieldRunsTheCalculation();
    void oneBoxNamesEveryFieldThatHoldsNoNumber();
    void editingAFieldLeavesTheResultOutdated_data();
    void editingAFieldLeavesTheResultOutdated();
    void anOutdatedResultReadsWellAndKeepsItsBorder_data();
    void anOutdatedResultReadsWellAndKeepsItsBorder();
    void theSelectionClipboardHoldsWhatIsShownSelected();
    void aboutVelmoraOpensFromF1AndEveryMenu_data();
    void aboutVelmoraOpensFromF1AndEveryMenu();
    void qtsOwnTextsAreGerman();
    void aFieldThatDoesNotConvertIsNamedAndReadyToBeTypedOver_data();
    void aFieldThatDoesNotConvertIsNamedAndReadyToBeTypedOver();
    void everyBoxIsWideEnoughForItsTitle();
    void theResultBoxOffersCopyAndSelectAllOnRightClick();
    void theWindowCarriesTheProgramIconAndVersion();
    void aResultThatIsNotCurrentLooksIt_data();
    void aResultThatIsNotCurrentLooksIt();
    void aDoubleClickSelectsTheWholeNumber_data();
    void aDoubleClickSelectsTheWholeNumber();
    void ctrlShiftCCopiesTheWholeResultFromAnywhere();
    void everyActionOfTheTableIsTheWindows();

private:
    template <typename T> T* control(const char* name) const {
        auto* widget = m_form->findChild<T*>(QLatin1String(name));
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* field(int number) const {
        return control<QLineEdit>(qPrintable(QStringLiteral("Text%1").arg(number)));
    }
    QPushButton* button() const { return control<QPushButton>("Command1"); }
    QString result() const { return control<QLabel>("Label10")->text(); }
    void type(const QStringList& values);
    // The one box the last action showed (shown == false if none).
    SeenBox takeTheBox();
    SeenBox clickAndTakeTheBox();

    BoxCloser m_boxes;
    std::unique_ptr<velmora::Form1> m_form;
};

void MainWindowTest::initTestCase() {
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    qApp->installEventFilter(&m_boxes);
}

void MainWindowTest::init() {
    m_form = std::make_unique<velmora::Form1>();
    m_form->show();
    // On a real display the window manager may hold back the focus of a
    // window nobody clicked; asked, it gives it.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void MainWindowTest::cleanup() {
    m_form.reset();
    QStringList unexpected;
    for (const SeenBox& box : std::exchange(m_boxes.seen, {}))
        unexpected << box.text;
    QVERIFY2(unexpected.isEmpty(),
             qPrintable("unexpected modal box: " + unexpected.join(QStringLiteral(" | "))));
}

void MainWindowTest::type(const QStringList& values) {
    for (int k = 0; k < values.size(); ++k) {
        field(k + 1)->clear();
        QTest::keyClicks(field(k + 1), values[k]);
    }
}

SeenBox MainWindowTest::takeTheBox() {
    QCoreApplication::processEvents();
    return m_boxes.seen.isEmpty() ? SeenBox{} : m_boxes.seen.takeFirst();
}

SeenBox MainWindowTest::clickAndTakeTheBox() {
    QTest::mouseClick(button(), Qt::LeftButton);
    return takeTheBox();
}

void MainWindowTest::everyControlSitsWhereTheTableSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");

    // Twips from the window definition, 15 to the pixel.
    auto twips = [](int left, int top, int width, int height) {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    };
    const QStringList captions{"T = -200 °C", "T = 0 °C",   "T = 200 °C", "T = 400 °C",
                               "T = 600 °C",  "T = 800 °C", "T = 1000 °C"};
    const int captionWidths[] = {1095, 1095, 1215, 1215, 1215, 1335, 1335};

    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << twips(2640, 120, 1455, 615) << "Lösung für Aufgabe 5"
                            << 9.75;
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton" << twips(600, 5520, 4455, 615) << "Starte Berechnung"
                              << 7.5;
    for (int k = 0; k < 7; ++k) {
        const QString name = QStringLiteral("Text%1").arg(k + 1);
        QTest::newRow(qPrintable(name))
            << name << "QLineEdit" << twips(2040, 1680 + 480 * k, 1215, 285) << QString() << 7.5;
    }
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << twips(1680, 1080, 1935, 495)
                            << "Messwerte an den Stützstellen" << 9.75;
    for (int k = 0; k < 7; ++k) {
        const QString name = QStringLiteral("Label%1").arg(k + 3);
        QTest::newRow(qPrintable(name))
            << name << "QLabel" << twips(600, 1680 + 480 * k, captionWidths[k], 255) << captions[k]
            << 7.5;
    }
    QTest::newRow("Label10") << "Label10"
                             << "QLabel" << twips(4200, 1800, 2415, 2655) << QString() << 7.5;
}

void MainWindowTest::everyControlSitsWhereTheTableSays() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(double, points);

    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget(), m_form.get());
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().weight(), QFont::Normal);
    // "MS Sans Serif" is an old bitmap font: what the user gets instead must
    // scale to 7,5 and 9,75 points.
    const QString family = QFontInfo(widget->font()).family();
    QVERIFY2(QFontDatabase::isSmoothlyScalable(family), qPrintable(family));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QVERIFY(label->wordWrap());
        QCOMPARE(label->focusPolicy() & Qt::TabFocus, 0);
        const bool heading = name == "Label1" || name == "Label2";
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 heading ? Qt::AlignHCenter : Qt::AlignLeft);
        QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
        QCOMPARE(label->frameShape(), name == "Label10" ? QFrame::Box : QFrame::NoFrame);
        // A caption wider than its label wraps but never spills out of it.
        QVERIFY2(label->heightForWidth(label->width()) <= label->height() ||
                     label->text().isEmpty(),
                 qPrintable(label->text()));
    }
}

void MainWindowTest::theWindowIsFixedAndNamedForm1() {
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(m_form->size(), QSize(464, 442));
    QCOMPARE(m_form->minimumSize(), QSize(464, 442));
    QCOMPARE(m_form->maximumSize(), QSize(464, 442));
    // Nothing reacts to resizing, so there is no maximise button to offer it.
    QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(ControlCount(*m_form), 18);
}

void MainWindowTest::focusStartsOnTheButtonAndTabWalksTheFields() {
    QCOMPARE(QApplication::focusWidget(), button());
    const QStringList walk{"Text1", "Text2", "Text3",    "Text4", "Text5",
                           "Text6", "Text7", "Command1", "Text1"};
    for (const QString& next : walk) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void MainWindowTest::typingSevenValuesAndClickingShowsBothResults() {
    type({"0", "1", "4", "9", "16", "25", "36"});
    QCOMPARE(clickAndTakeTheBox().shown, false);
    QCOMPARE(result(), FiveLines.arg("14600", "14400"));

    type({"2,5", "0", "0", "0", "0", "0", "0"});
    QTest::mouseClick(button(), Qt::LeftButton);
    const QString first = result();
    QCOMPARE(first, FiveLines.arg("250", "166,666666666667"));
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(result(), first);
}

void MainWindowTest::aClickRightAfterStartShowsTheMessageAndChangesNothing() {
    const SeenBox box = clickAndTakeTheBox();
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Velmora"));
    QCOMPARE(box.text, QStringLiteral("Wert ist keine Zahl!"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.okButton);
    QCOMPARE(result(), QString());
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(field(k)->text(), QString());
}

// The box stays as it always was; the field says why once it is closed, to
// the eye as a tooltip and to screen readers as its description.
void MainWindowTest::text1ExplainsItselfOnceItsBoxIsClosed() {
    type({"1.125", "1", "1", "1", "1", "1", "1"});
    QCOMPARE(clickAndTakeTheBox().text, QStringLiteral("Wert ist keine Zahl!"));
    const QString why = QStringLiteral("Im Feld „T = -200 °C“ steht „1.125“. Das ist mehrdeutig "
                                       "(Tausenderpunkt oder Dezimalpunkt?). Bitte 1125 oder "
                                       "1,125 schreiben.");
    QCOMPARE(field(1)->toolTip(), why);
    QCOMPARE(field(1)->accessibleDescription(), why);
    QTest::keyClick(field(1), Qt::Key_5);
    QCOMPARE(field(1)->toolTip(), QString());
    QCOMPARE(field(1)->accessibleDescription(), QString());
}

void MainWindowTest::aBadSecondValueShowsAnErrorAndTheNextClickStillWorks() {
    type({"1", "abc", "1", "1", "1", "1", "1"});
    const SeenBox box = clickAndTakeTheBox();
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Velmora"));
    QVERIFY2(box.text.contains(QStringLiteral("„abc“")), qPrintable(box.text));
    QCOMPARE(result(), QString());

    type({"1", "1"});
    QCOMPARE(clickAndTakeTheBox().shown, false);
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::theProgramKeepsRunningAfterAnErrorBox() {
    type({"1", "abc", "1", "1", "1", "1", "1"});
    // Click inside the application's own event loop, as a user would; once the
    // box is closed, the loop must go on until it is told to end.
    QTimer click;
    QTimer end;
    QTimer giveUp;
    for (QTimer* timer : {&click, &end, &giveUp})
        timer->setSingleShot(true);
    connect(&click, &QTimer::timeout, this, [this, &end] {
        QTest::mouseClick(button(), Qt::LeftButton);
        end.start(100);
    });
    connect(&end, &QTimer::timeout, [] { QCoreApplication::exit(42); });
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    click.start(0);
    giveUp.start(10000);
    QCOMPARE(QApplication::exec(), 42);
    QVERIFY(m_form->isVisible());
    QVERIFY(takeTheBox().text.contains(QStringLiteral("„abc“")));

    type({"1", "1"});
    QCOMPARE(clickAndTakeTheBox().shown, false);
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::anErrorBoxShowsAFieldTextAsPlainText() {
    type({"1", "<b>x</b>", "1", "1", "1", "1", "1"});
    const SeenBox box = clickAndTakeTheBox();
    QVERIFY2(box.text.contains(QStringLiteral("<b>x</b>")), qPrintable(box.text));
    QVERIFY(!box.richText);
}

void MainWindowTest::anOverflowInSimpsonKeepsTheTrapezoidLinesAndTheProgramAlive() {
    type({"0", "7,5e305", "0", "0", "0", "0", "0"});
    const SeenBox box = clickAndTakeTheBox();
    QVERIFY(box.shown);
    QVERIFY2(
        box.text.startsWith(QStringLiteral("Das Ergebnis nach der Simpson-Regel ist zu groß.")),
        qPrintable(box.text));
    QCOMPARE(result(), TwoLines.arg("1,5E+308"));

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::aNonNumericFirstValueKeepsThePreviousResult() {
    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    type({"x"});
    const SeenBox box = clickAndTakeTheBox();
    QCOMPARE(box.text, QStringLiteral("Wert ist keine Zahl!"));
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::onlyACompletedClickOrKeyPressRunsTheCalculation() {
    type({"1", "1", "1", "1", "1", "1", "1"});
    // Pressed on the button, released beside it: the user changed their mind.
    QTest::mousePress(button(), Qt::LeftButton);
    QTest::mouseRelease(button(), Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(result(), QString());

    // Space runs it once, when the key comes up.
    button()->setFocus();
    QTest::keyPress(button(), Qt::Key_Space);
    QCOMPARE(result(), QString());
    QTest::keyRelease(button(), Qt::Key_Space);
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::hostileTextsGetANumberTheMessageOrAClearError_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trapezoid"); // "" when the text is no number

    // The text goes into Text1 with the other fields 0: the trapezoidal
    // result is then 100 times its value.
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks") << QStringLiteral("   ") << QString();
    QTest::newRow("a megabyte of digits") << QString(1'000'000, '7') << QString();
    QTest::newRow("a megabyte of zeros, then 1") << QString(1'000'000, '0') + '1' << "100";
    QTest::newRow("leading zeros") << QStringLiteral("007") << "700";
    QTest::newRow("+,5") << QStringLiteral("+,5") << "50";
    QTest::newRow("5,") << QStringLiteral("5,") << "500";
    QTest::newRow("1e") << QStringLiteral("1e") << QString();
    QTest::newRow("1e+") << QStringLiteral("1e+") << QString();
    QTest::newRow("1,5e3") << QStringLiteral("1,5e3") << "150000";
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("١٢٣") << QString();
    QTest::newRow("fullwidth digits") << QStringLiteral("１２３") << QString();
    QTest::newRow("minus sign U+2212") << QStringLiteral("\u22122") << "-200";
    QTest::newRow("no-break space around") << QStringLiteral("\u00A02\u00A0") << "200";
    QTest::newRow("NUL inside") << QStringLiteral("1") + QChar(0) + QStringLiteral("2")
                                << QString();
    QTest::newRow("combining mark") << QStringLiteral("1\u0301") << QString();
    QTest::newRow("right-to-left mark") << QStringLiteral("\u200F12") << QString();
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + '1' << QString();
    QTest::newRow("1e308 overflows in the rule") << QStringLiteral("1e308") << "overflow";
    QTest::newRow("1e309") << QStringLiteral("1e309") << QString();
    QTest::newRow("4,9e-324") << QStringLiteral("4,9e-324") << "4,94065645841247E-322";
    QTest::newRow("1e-400") << QStringLiteral("1e-400") << "0";
}

void MainWindowTest::hostileTextsGetANumberTheMessageOrAClearError() {
    QFETCH(QString, text);
    QFETCH(QString, trapezoid);
    const QStringList zeros{"0", "0", "0", "0", "0", "0"};

    // In Text1: a number, or the message.
    field(1)->setText(text);
    for (int k = 2; k <= 7; ++k)
        field(k)->setText(zeros[k - 2]);
    const SeenBox first = clickAndTakeTheBox();
    if (trapezoid.isEmpty()) {
        QCOMPARE(first.text, QStringLiteral("Wert ist keine Zahl!"));
        QCOMPARE(result(), QString());
    } else if (trapezoid == "overflow") {
        QVERIFY2(first.text.startsWith(QStringLiteral("Eine Zwischensumme der Trapezregel")),
                 qPrintable(first.text));
    } else {
        QVERIFY2(!first.shown, qPrintable(first.text));
        QVERIFY2(result().startsWith(TwoLines.arg(trapezoid) + QStringLiteral("\r\n")),
                 qPrintable(result()));
    }

    // In Text2: a number, or a clear conversion error.
    field(1)->setText(QStringLiteral("0"));
    field(2)->setText(text);
    const SeenBox second = clickAndTakeTheBox();
    if (trapezoid.isEmpty())
        QVERIFY2(second.text.startsWith(QStringLiteral("Im Feld „T = 0 °C“ steht ")) ||
                     second.text.startsWith(QStringLiteral("Das Feld „T = 0 °C“ ist leer.")),
                 qPrintable(second.text));
    else if (trapezoid != "overflow")
        QVERIFY2(!second.shown, qPrintable(second.text));
    QVERIFY(m_form->isVisible());
}

void MainWindowTest::theResultBoxHasTheColoursOfAnInputArea() {
    // Colours no style would pick, so each shows where it is used.
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    palette.setColor(QPalette::Base, QColor(255, 255, 240));
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    m_form->setPalette(palette);
    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);

    auto* label = control<QLabel>("Label10");
    const QImage image = label->grab().toImage();
    const int red = PixelsInside(image, [](QColor c) { return c.red() > c.blue() + 100; });
    const int blue = PixelsInside(image, [](QColor c) { return c.blue() > c.red() + 100; });
    QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), QColor(255, 255, 240));
    QVERIFY2(red > 50, "the result is not drawn in the text colour of input areas");
    QCOMPARE(blue, 0);
}

void MainWindowTest::theResultCanBeSelectedAndCopiedButNotEdited() {
    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    auto* label = control<QLabel>("Label10");
    QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(!label->textInteractionFlags().testFlag(Qt::TextEditable));

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QApplication::focusWidget(), label);
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("F = 1200")));
    QTest::keyClicks(label, "99");
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::screenReadersHearTheCaptionOfEachField() {
    const QStringList captions{"T = -200 °C", "T = 0 °C",   "T = 200 °C", "T = 400 °C",
                               "T = 600 °C",  "T = 800 °C", "T = 1000 °C"};
    for (int k = 0; k < 7; ++k) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field(k + 1));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), captions[k]);
    }
}

void MainWindowTest::theWindowCarriesTheProgramIconAndVersion() {
    const QList<QSize> sizes = m_form->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    // Spelt as the package and the manual page spell it.
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0"));
}

void MainWindowTest::screenReadersFindTheResultBox() {
    auto* label = control<QLabel>("Label10");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Ergebnis"));
    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(accessible->text(QAccessible::Name), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::theFocusFrameShowsFromTheStart() {
    QCOMPARE(QApplication::focusWidget(), button());
    const QImage atStart = button()->grab().toImage();
    // The same button without the keyboard-focus cue, and without the focus.
    m_form->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage withoutCue = button()->grab().toImage();
    field(1)->setFocus();
    const QImage unfocused = button()->grab().toImage();
    QVERIFY2(atStart != unfocused, "the button does not show that it has the focus at start");
    // Styles that draw the focus frame only after keyboard use (Fusion) get
    // the cue at start; the Windows style draws it whenever the button has
    // the focus.
    QVERIFY2(atStart != withoutCue || withoutCue != unfocused,
             "no focus frame on the button at start");
}

void MainWindowTest::returnAndEnterOnTheButtonActAsSpace_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
}

void MainWindowTest::returnAndEnterOnTheButtonActAsSpace() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    type({"1", "1", "1", "1", "1", "1", "1"});
    button()->setFocus();
    QSignalSpy clicks(button(), &QAbstractButton::clicked);

    QTest::keyPress(button(), Qt::Key(key), modifiers);
    QVERIFY2(button()->isDown(), "the button is not shown pressed");
    QCOMPARE(result(), QString());
    // Holding the key down runs nothing more: auto-repeat sends releases and
    // presses, each marked as repeated.
    for (int n = 0; n < 3; ++n)
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeat(type, key, modifiers, QString(), true);
            QApplication::sendEvent(button(), &repeat);
        }
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(button(), Qt::Key(key), modifiers);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!button()->isDown());
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
}

void MainWindowTest::qtsOwnTextsAreGerman() {
    const std::unique_ptr<QMenu> menu(field(1)->createStandardContextMenu());
    QVERIFY2(menu->actions().first()->text().startsWith(QStringLiteral("&Rückgängig")),
             qPrintable(menu->actions().first()->text()));
}

void MainWindowTest::returnInAFieldRunsTheCalculation_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void MainWindowTest::returnInAFieldRunsTheCalculation() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    type({"1", "1", "1", "1", "1", "1", "1"});
    QSignalSpy clicks(button(), &QAbstractButton::clicked);
    field(7)->setFocus();
    QTest::keyClick(field(7), Qt::Key(key), modifiers);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(result(), FiveLines.arg("1200", "1200"));
    QCOMPARE(QApplication::focusWidget(), field(7));
    // Held down, it runs once.
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
    QApplication::sendEvent(field(7), &repeat);
    QCOMPARE(clicks.count(), 1);

    // As for a click: a bad field gets its box and the focus.
    field(3)->setText(QStringLiteral("abc"));
    field(7)->setFocus();
    QTest::keyClick(field(7), Qt::Key(key), modifiers);
    QVERIFY(takeTheBox().text.contains(QStringLiteral("„abc“")));
    QCOMPARE(m_form->focusWidget(), field(3));
}

void MainWindowTest::oneBoxNamesEveryFieldThatHoldsNoNumber() {
    type({"1", "1.234", "2,5", "2.345", "", "4", "x"});
    const SeenBox box = clickAndTakeTheBox();
    QCOMPARE(box.text.section(QLatin1Char('\n'), 1),
             QStringLiteral("Auch die Felder „T = 400 °C“, „T = 600 °C“ und „T = 1000 °C“ "
                            "enthalten keine Zahl."));
    QVERIFY(box.text.startsWith(QStringLiteral("Im Feld „T = 0 °C“ steht „1.234“.")));
    QCOMPARE(m_form->focusWidget(), field(2)); // the first, where the calculation stopped
    QCOMPARE(takeTheBox().shown, false);       // one box, not one a field
}

void MainWindowTest::editingAFieldLeavesTheResultOutdated_data() {
    QTest::addColumn<QString>("edit");
    QTest::newRow("typing") << "typing";
    QTest::newRow("pasting") << "pasting";
    QTest::newRow("deleting") << "deleting";
}

void MainWindowTest::editingAFieldLeavesTheResultOutdated() {
    QFETCH(QString, edit);
    auto* label = control<QLabel>("Label10");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    const QString outdated = QStringLiteral("Ergebnis (gehört nicht zu den aktuellen Werten)");
    // Before any result there is nothing to call outdated.
    QTest::keyClicks(field(4), "7");
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Ergebnis"));

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Ergebnis"));
    QVERIFY(!label->font().italic());
    field(4)->setFocus();
    if (edit == "typing") {
        QTest::keyClicks(field(4), "2");
    } else if (edit == "pasting") {
        QApplication::clipboard()->setText(QStringLiteral("3"));
        QTest::keyClick(field(4), Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClick(field(4), Qt::Key_Backspace);
    }
    QCOMPARE(accessible->text(QAccessible::Description), outdated);
    QVERIFY(label->font().italic());
    QCOMPARE(result(), FiveLines.arg("1200", "1200")); // the text stays as it was

    field(4)->setText(QStringLiteral("1"));
    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Ergebnis"));
    QVERIFY(!label->font().italic());
}

void MainWindowTest::aFieldThatDoesNotConvertIsNamedAndReadyToBeTypedOver_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("abc in Text1") << 1 << "abc"
                                  << "Wert ist keine Zahl!";
    QTest::newRow("x7 in Text2") << 2 << "x7"
                                 << "Im Feld „T = 0 °C“ steht keine Zahl: „x7“. Bitte eine Zahl "
                                    "schreiben, zum Beispiel 12,5 oder -0,25.";
    QTest::newRow("empty Text2") << 2 << ""
                                 << "Das Feld „T = 0 °C“ ist leer. Bitte den Messwert eintragen.";
    QTest::newRow("blanks in Text4") << 4 << "   "
                                     << "Das Feld „T = 400 °C“ ist leer. Bitte den Messwert "
                                        "eintragen.";
    QTest::newRow("1,5 kg in Text5") << 5 << "1,5 kg"
                                     << "Im Feld „T = 600 °C“ steht „1,5 kg“. Bitte nur die Zahl "
                                        "schreiben, also 1,5.";
    QTest::newRow("1.000 in Text7")
        << 7 << "1.000"
        << "Im Feld „T = 1000 °C“ steht „1.000“. Das ist mehrdeutig (Tausenderpunkt oder "
           "Dezimalpunkt?). Bitte 1000 oder 1,000 schreiben.";
}

void MainWindowTest::aFieldThatDoesNotConvertIsNamedAndReadyToBeTypedOver() {
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(QString, message);
    type({"1", "1", "1", "1", "1", "1", "1"});
    field(number)->setText(text);

    const SeenBox box = clickAndTakeTheBox();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Velmora"));
    QCOMPARE(result(), QString());
    QCOMPARE(m_form->focusWidget(), field(number));
    // The window manager gives the window back its focus once the box is gone.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), field(number));
    QCOMPARE(field(number)->selectedText(), text);
    // Typing replaces the whole text.
    QTest::keyClicks(field(number), "5");
    QCOMPARE(field(number)->text(), QStringLiteral("5"));
}

void MainWindowTest::everyBoxIsWideEnoughForItsTitle() {
    const QList<QStringList> cases{
        {},                                        // "Wert ist keine Zahl!"
        {"1", "x", "1", "1", "1", "1", "1"},       // a field that does not convert
        {"0", "7,5e305", "0", "0", "0", "0", "0"}, // an overflow
    };
    for (const QStringList& values : cases) {
        type(values);
        const SeenBox box = clickAndTakeTheBox();
        QVERIFY(box.shown);
        QVERIFY2(box.width >= 240,
                 qPrintable(QStringLiteral("%1 px: %2").arg(box.width).arg(box.text)));
        // Over the window, never somewhere behind it.
        QCOMPARE(box.parent, m_form.get());
        // The text starts at the left, not pushed aside by the box's width.
        QVERIFY2(box.textLeft < 100, qPrintable(QString::number(box.textLeft)));
        if (values.isEmpty())
            QCOMPARE(box.textLines, 1); // "Wert ist keine Zahl!" on one line
    }
}

void MainWindowTest::theResultBoxOffersCopyAndSelectAllOnRightClick() {
    auto* label = control<QLabel>("Label10");
    const auto openMenu = [label] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                label->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(label, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    const auto entries = [](const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << QString(action->text()).remove(QLatin1Char('&')) +
                         (action->shortcut().isEmpty()
                              ? QString()
                              : " [" + action->shortcut().toString(QKeySequence::NativeText) +
                                    "]") +
                         (action->isEnabled() ? QString() : QStringLiteral(" (aus)"));
        return texts;
    };

    // An empty box offers nothing.
    QMenu* menu = openMenu();
    QVERIFY(menu != nullptr);
    QCOMPARE(entries(*menu),
             QStringList({"Kopieren [Strg+C] (aus)", "Alles auswählen [Strg+A] (aus)", "",
                          "Ergebnis kopieren [Strg+Umschalt+C] (aus)",
                          "Werte und Ergebnis kopieren [Strg+Umschalt+T] (aus)",
                          "Abbildung kopieren [Strg+Umschalt+B] (aus)",
                          "Bericht kopieren [Strg+Umschalt+R] (aus)", "Verlauf anzeigen [F9]", "",
                          "Über Velmora [F1]"}));
    menu->close();

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    // Under the pointer.
    menu = openMenu();
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->pos(), label->mapToGlobal(QPoint(5, 5)));
    QCOMPARE(entries(*menu), QStringList({"Kopieren [Strg+C] (aus)", "Alles auswählen [Strg+A]", "",
                                          "Ergebnis kopieren [Strg+Umschalt+C]",
                                          "Werte und Ergebnis kopieren [Strg+Umschalt+T]",
                                          "Abbildung kopieren [Strg+Umschalt+B]",
                                          "Bericht kopieren [Strg+Umschalt+R]",
                                          "Verlauf anzeigen [F9]", "", "Über Velmora [F1]"}));
    menu->actions().at(1)->trigger();
    menu->close();

    menu = openMenu();
    QVERIFY(menu != nullptr);
    QCOMPARE(entries(*menu), QStringList({"Kopieren [Strg+C]", "Alles auswählen [Strg+A]", "",
                                          "Ergebnis kopieren [Strg+Umschalt+C]",
                                          "Werte und Ergebnis kopieren [Strg+Umschalt+T]",
                                          "Abbildung kopieren [Strg+Umschalt+B]",
                                          "Bericht kopieren [Strg+Umschalt+R]",
                                          "Verlauf anzeigen [F9]", "", "Über Velmora [F1]"}));
    QApplication::clipboard()->clear();
    menu->actions().at(0)->trigger();
    menu->close();
    // The whole result, lines as the clipboard writes them.
    QCOMPARE(QApplication::clipboard()->text(),
             FiveLines.arg("1200", "1200").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Each menu is gone once closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(label->findChildren<QMenu*>().size(), 0);
}

void MainWindowTest::aResultThatIsNotCurrentLooksIt_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("shown"); // what Label10 shows after the click
    QTest::addColumn<bool>("current");

    const QString earlier = FiveLines.arg("1200", "1200");
    QTest::newRow("Wert ist keine Zahl!")
        << QStringList{"x", "1", "1", "1", "1", "1", "1"} << earlier << false;
    QTest::newRow("a field that does not convert")
        << QStringList{"1", "1", "1", "1", "1", "1", "1.000,5"} << earlier << false;
    QTest::newRow("an overflow in the trapezoid sum")
        << QStringList{"1e308", "1e308", "0", "0", "0", "0", "0"} << earlier << false;
    QTest::newRow("an overflow in the Simpson result keeps lines 1-2 current")
        << QStringList{"0", "7,5e305", "0", "0", "0", "0", "0"} << TwoLines.arg("1,5E+308") << true;
}

void MainWindowTest::aResultThatIsNotCurrentLooksIt() {
    QFETCH(QStringList, values);
    QFETCH(QString, shown);
    QFETCH(bool, current);
    auto* label = control<QLabel>("Label10");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    const QString normal = QStringLiteral("Ergebnis");
    const QString outdated = QStringLiteral("Ergebnis (gehört nicht zu den aktuellen Werten)");

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    type(values);
    QVERIFY(clickAndTakeTheBox().shown);
    QCOMPARE(result(), shown);
    QCOMPARE(label->font().italic(), !current);
    QCOMPARE(accessible->text(QAccessible::Description), current ? normal : outdated);

    // Still selectable and copyable while outdated.
    QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(label->isEnabled());

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    QVERIFY(!label->font().italic());
    QCOMPARE(accessible->text(QAccessible::Description), normal);
}

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other) {
    const double a = Luminance(one);
    const double b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The colour of a label's text as drawn: of the pixels inside its border,
// the one that differs most from the background.
QColor DrawnTextColour(const QImage& image, const QColor& background) {
    QColor found = background;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            if (Contrast(image.pixelColor(x, y), background) > Contrast(found, background))
                found = image.pixelColor(x, y);
    return found;
}

} // namespace

void MainWindowTest::anOutdatedResultReadsWellAndKeepsItsBorder_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("active"); // whether the window is active when measured
    QTest::newRow("default palette, active") << false << true;
    QTest::newRow("default palette, inactive") << false << false;
    QTest::newRow("dark palette, active") << true << true;
    QTest::newRow("dark palette, inactive") << true << false;
}

void MainWindowTest::anOutdatedResultReadsWellAndKeepsItsBorder() {
    QFETCH(bool, dark);
    QFETCH(bool, active);
    if (dark) {
        QPalette palette = m_form->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Window, QColor(0x35, 0x35, 0x35));
            palette.setColor(group, QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
            palette.setColor(group, QPalette::Text, QColor(0xee, 0xee, 0xee));
            palette.setColor(group, QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        }
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x3a, 0x3a, 0x3a));
        m_form->setPalette(palette);
    }
    auto* label = control<QLabel>("Label10");
    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    // Inactive: another window in front, as while a box is open.
    QWidget other;
    const auto activate = [&] {
        if (active) {
            other.hide();
            m_form->activateWindow();
            QTRY_VERIFY(m_form->isActiveWindow());
        } else {
            other.show();
            other.activateWindow();
            QTRY_VERIFY(!m_form->isActiveWindow());
        }
    };
    activate();
    const QImage currentImage = label->grab().toImage();
    const QColor background =
        currentImage.pixelColor(currentImage.width() / 2, currentImage.height() - 4);
    const QColor currentText = DrawnTextColour(currentImage, background);
    const QColor currentBorder = currentImage.pixelColor(0, currentImage.height() / 2);

    QTest::keyClicks(field(2), "5"); // the result is outdated now
    activate();
    const QImage outdatedImage = label->grab().toImage();
    const QColor outdatedText = DrawnTextColour(outdatedImage, background);
    QVERIFY2(Contrast(outdatedText, background) >= 4.5,
             qPrintable(QStringLiteral("%1 on %2: %3:1")
                            .arg(outdatedText.name(), background.name())
                            .arg(Contrast(outdatedText, background), 0, 'f', 2)));
    // Lighter than a current result, by more than italics' smoothing makes.
    QVERIFY2(Contrast(outdatedText, background) < 0.75 * Contrast(currentText, background),
             qPrintable(QStringLiteral("outdated %1, current %2 on %3")
                            .arg(outdatedText.name(), currentText.name(), background.name())));
    QCOMPARE(outdatedImage.pixelColor(0, outdatedImage.height() / 2), currentBorder);
    QCOMPARE(outdatedImage.pixelColor(outdatedImage.width() - 1, 5), currentBorder);
}

void MainWindowTest::theSelectionClipboardHoldsWhatIsShownSelected() {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no selection clipboard");
    type({"-1e-310", "0", "0", "0", "0", "0", "0"});
    QTest::mouseClick(button(), Qt::LeftButton);
    auto* label = control<QLabel>("Label10");
    const QString text = result().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const auto selection = [clipboard] {
        QCoreApplication::processEvents();
        return clipboard->text(QClipboard::Selection);
    };

    // A double-click on a number: the whole number, sign and exponent too.
    const QStringList numbers{text.section(QLatin1Char('\n'), 1, 1).mid(4),
                              text.section(QLatin1Char('\n'), 4, 4).mid(4)};
    for (const QString& number : numbers) {
        const int at = static_cast<int>(text.indexOf(QStringLiteral("F = ") + number)) + 4;
        QTest::mouseDClick(label, Qt::LeftButton, {}, CharacterCentre(*label, at + 3));
        QCOMPARE(label->selectedText(), number);
        QCOMPARE(selection(), number);
    }
    // Selecting all by keys, and by the menu's entry, which sends the keys.
    label->setFocus();
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selection(), label->selectedText());
    QVERIFY(selection().startsWith(QStringLiteral(" Ergebnis nach der Trapezregel:")));
    // Extending a selection by keys.
    QTest::mouseDClick(label, Qt::LeftButton, {},
                       CharacterCentre(*label, static_cast<int>(text.lastIndexOf(numbers[1]))));
    QTest::keyClick(label, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(selection(), label->selectedText());
    // Dragging with the mouse.
    const int from = static_cast<int>(text.indexOf(QStringLiteral("Trapezregel")));
    QTest::mousePress(label, Qt::LeftButton, {}, CharacterCentre(*label, from));
    QTest::mouseMove(label, CharacterCentre(*label, from + 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, CharacterCentre(*label, from + 5));
    QCOMPARE(selection(), label->selectedText());
}

// The centre of the character at `position` of the label's text, counted as
// the label's own selection counts (a line break is one character).
static QPoint CharacterCentre(const QLabel& label, int position) {
    QTextDocument document;
    document.setDefaultFont(label.font());
    document.setDocumentMargin(0);
    document.setPlainText(label.text());
    document.setTextWidth(label.contentsRect().width());
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    (void)document.documentLayout()->blockBoundingRect(cursor.block()); // lays it out
    const QTextLayout* layout = cursor.block().layout();
    const int inBlock = position - cursor.block().position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    const qreal x = (line.cursorToX(inBlock) + line.cursorToX(inBlock + 1)) / 2;
    return label.contentsRect().topLeft() +
           (layout->position() + QPointF(x, line.y() + line.height() / 2)).toPoint();
}

void MainWindowTest::aDoubleClickSelectsTheWholeNumber_data() {
    QTest::addColumn<QStringList>("values");
    QTest::newRow("plain, with comma") << QStringList{"2,5", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("negative") << QStringList{"-2,5", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("E notation, negative exponent")
        << QStringList{"-1e-310", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("E notation, positive exponent")
        << QStringList{"1e300", "0", "0", "0", "0", "0", "0"};
}

void MainWindowTest::aDoubleClickSelectsTheWholeNumber() {
    QFETCH(QStringList, values);
    type(values);
    QTest::mouseClick(button(), Qt::LeftButton);
    auto* label = control<QLabel>("Label10");
    const QString text = result().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    for (qsizetype at = text.indexOf(QStringLiteral("F = ")); at >= 0;
         at = text.indexOf(QStringLiteral("F = "), at + 1)) {
        const qsizetype start = at + 4;
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start) < 0
                                  ? text.size()
                                  : text.indexOf(QLatin1Char('\n'), start);
        const QString number = text.mid(start, end - start);
        for (qsizetype position : {start, (start + end) / 2, end - 1}) {
            QTest::mouseDClick(label, Qt::LeftButton, {},
                               CharacterCentre(*label, static_cast<int>(position)));
            QCOMPARE(label->selectedText(), number);
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), number);
        }
    }
    // A word is selected as a word, also one that starts with E or touches a
    // hyphen, which could belong to a number.
    for (const QString& word : {QStringLiteral("Trapezregel"), QStringLiteral("Ergebnis"),
                                QStringLiteral("Regel"), QStringLiteral("Simpson")}) {
        const int at = static_cast<int>(text.indexOf(word == "Regel" ? "-Regel" : word)) +
                       (word == "Regel" ? 1 : 0);
        QTest::mouseDClick(label, Qt::LeftButton, {}, CharacterCentre(*label, at + 2));
        QCOMPARE(label->selectedText(), word);
    }
}

void MainWindowTest::ctrlShiftCCopiesTheWholeResultFromAnywhere() {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    field(3)->setFocus();
    QTest::keyClick(field(3), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before")); // no result yet

    type({"1", "1", "1", "1", "1", "1", "1"});
    QTest::mouseClick(button(), Qt::LeftButton);
    for (QWidget* from : {static_cast<QWidget*>(field(3)), static_cast<QWidget*>(button())}) {
        QApplication::clipboard()->clear();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(
            QApplication::clipboard()->text(),
            FiveLines.arg("1200", "1200").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    QCOMPARE(field(3)->text(), QStringLiteral("1"));
}

void MainWindowTest::aboutVelmoraOpensFromF1AndEveryMenu_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("F1 in a field") << "F1 in a field";
    QTest::newRow("F1 on the button") << "F1 on the button";
    QTest::newRow("the result box's menu, by its mnemonic") << "result menu";
    QTest::newRow("the window's menu on its free area") << "window menu";
}

void MainWindowTest::aboutVelmoraOpensFromF1AndEveryMenu() {
    QFETCH(QString, route);
    const auto openMenu = [](QWidget* widget, QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            qFatal("no menu");
        return menu;
    };
    // Each mnemonic once, or its key would only move between the entries.
    const auto mnemonicsClash = [](const QMenu& menu) {
        QStringList mnemonics;
        for (const QAction* action : menu.actions()) {
            const qsizetype at = action->text().indexOf(QLatin1Char('&'));
            if (at >= 0)
                mnemonics << action->text().mid(at + 1, 1).toLower();
        }
        return QSet<QString>(mnemonics.begin(), mnemonics.end()).size() != mnemonics.size();
    };
    if (route.startsWith(QLatin1String("F1"))) {
        QWidget* from = route.endsWith(QLatin1String("field")) ? static_cast<QWidget*>(field(4))
                                                               : static_cast<QWidget*>(button());
        from->setFocus();
        QTest::keyClick(from, Qt::Key_F1);
    } else if (route == "result menu") {
        QMenu* menu = openMenu(control<QLabel>("Label10"), QPoint(5, 5));
        QVERIFY(!mnemonicsClash(*menu));
        QTest::keyClick(menu, Qt::Key_V);
    } else {
        QMenu* menu = openMenu(m_form.get(), QPoint(420, 20)); // beside the heading
        QVERIFY(!mnemonicsClash(*menu));
        QTest::keyClick(menu, Qt::Key_V);
    }
    const SeenBox box = takeTheBox();
    QVERIFY2(box.shown, "no dialog");
    QCOMPARE(box.title, QStringLiteral("Über Velmora"));
    QCOMPARE(box.parent, m_form.get());
    for (const char* says :
         {"Velmora 1.0.0", "© 2026 Velmora-Projekt", "GPL-3.0-or-later", "ohne jede Gewährleistung",
          "velmora-1.0.0-source.tar.gz", "Git-Klon", "[Über &Qt]", "fast_float",
#ifdef Q_OS_WIN
          // The exe's own notices, written as text for it.
          "Velmora selbst steht unter der GPL-3.0-or-later."
#else
          "\nVelmora\n  Lizenz: GPL-3+\n  Copyright: 2026 Velmora-Projekt\n"
#endif
         })
        QVERIFY2(box.text.contains(QString::fromUtf8(says)), says);
    // The notices are read as text, not as the file they come from.
    for (const char* format : {"Format: https://", "Files: ", "\n .\n"})
        QVERIFY2(!box.text.contains(QString::fromUtf8(format)), format);
    // The notices' heading's key takes the focus to them.
    QCOMPARE(box.mnemonics, QStringList{"Enthaltene Software und ihre &Lizenzen: → "
                                        "Enthaltene Software und ihre Lizenzen"});
    // The window's 18 controls are as they were.
    QCOMPARE(ControlCount(*m_form), 18);
}

// The window's actions are those of the table, each once, with its label and
// key, waiting for a result where it needs one.
void MainWindowTest::everyActionOfTheTableIsTheWindows() {
    const auto made = [this](const velmora::Action& action) {
        QList<QAction*> found;
        for (QAction* candidate : m_form->actions())
            if (candidate->shortcut() ==
                QKeySequence(QString::fromUtf8(action.desktopKey.data(),
                                               static_cast<qsizetype>(action.desktopKey.size())),
                             QKeySequence::PortableText))
                found << candidate;
        return found;
    };
    for (const bool resultShown : {false, true}) {
        if (resultShown) {
            type({"1", "1", "1", "1", "1", "1", "1"});
            QTest::mouseClick(button(), Qt::LeftButton);
        }
        for (const velmora::Action& action : velmora::WindowActions()) {
            const QList<QAction*> found = made(action);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.front()->text().toStdString(), std::string(action.label));
            QCOMPARE(found.front()->isEnabled(),
                     resultShown || action.needs == velmora::ActionNeeds::Nothing);
        }
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
