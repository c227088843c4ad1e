// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include "calc/start_calculation.h"
#include "platform/announcements.h"
#include "platform/pasted_readings.h"
#include "platform/whole_number.h"
#include "qt_runtime/announcer.h"
#include "qt_runtime/command_dispatch.h"
#include "qt_runtime/message_box.h"
#include "ui/about_velmora.h"
#include "ui/figure_dialog.h"
#include "ui/figure_painter.h"
#include "ui_form1.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace velmora {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.03928F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other) {
    const double a = Luminance(one);
    const double b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// An outdated result is drawn between the text colour and the background, as
// far towards the background as still reads well: a contrast of at least
// 4.5:1, with a little to spare for the rounding of colour channels.
QColor OutdatedTextColour(const QColor& text, const QColor& base) {
    constexpr double Readable = 4.6;
    QColor chosen = text;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed = QColor::fromRgbF(
            static_cast<float>(text.redF() + (base.redF() - text.redF()) * t),
            static_cast<float>(text.greenF() + (base.greenF() - text.greenF()) * t),
            static_cast<float>(text.blueF() + (base.blueF() - text.blueF()) * t));
        if (Contrast(mixed, base) < Readable)
            break;
        chosen = mixed;
    }
    return chosen;
}

// Long enough for a screen reader to say the window and its focus first.
constexpr std::chrono::milliseconds HeadingDelay{300};

bool IsEnterKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

} // namespace

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
        connect(row.field, &QLineEdit::textChanged, this, [this] {
            MarkResultOutdated();
            if (!m_pasting)
                m_pastedInto.clear();
        });
    }

    // The result box takes the colours of an input area (window background
    // and window text in the palette), which a .ui file can only hard-code.
    m_ui->Label10->setBackgroundRole(QPalette::Base);
    m_ui->Label10->setForegroundRole(QPalette::Text);
    connect(m_ui->Label10, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);
    m_ui->Label10->installEventFilter(this);
    m_ui->Label10->setAccessibleDescription(FromUtf8(ResultDescription(true)));

    // The whole result, from anywhere in the window: the keyboard's way to
    // copy it, since labels never take the focus by Tab.
    m_copyResult = new QAction(QStringLiteral("&Ergebnis kopieren"), this);
    m_copyResult->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_copyResult->setEnabled(false);
    connect(m_copyResult, &QAction::triggered, this, &Form1::CopyResult);
    addAction(m_copyResult);

    // The result box, by key: it takes the focus only by a click otherwise,
    // and a screen reader reads what has the focus. F8 clashes with no
    // editing key of a field, nor, in the page, with a browser's own keys.
    auto* toResult = new QAction(this);
    toResult->setShortcut(QKeySequence(Qt::Key_F8));
    connect(toResult, &QAction::triggered, this,
            [this] { m_ui->Label10->setFocus(Qt::ShortcutFocusReason); });
    addAction(toResult);

    // The figure "Verlauf" and the copies for a report. The figure opens
    // before the first result too, and says how to get one.
    m_showFigure = new QAction(QStringLiteral("Verlauf an&zeigen"), this);
    m_showFigure->setShortcut(QKeySequence(Qt::Key_F9));
    connect(m_showFigure, &QAction::triggered, this, &Form1::ShowFigure);
    addAction(m_showFigure);
    m_copyFigure = new QAction(QStringLiteral("A&bbildung kopieren"), this);
    m_copyFigure->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    m_copyFigure->setEnabled(false);
    connect(m_copyFigure, &QAction::triggered, this, &Form1::CopyFigure);
    addAction(m_copyFigure);
    m_copyTable = new QAction(QStringLiteral("&Werte und Ergebnis kopieren"), this);
    m_copyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    m_copyTable->setEnabled(false);
    connect(m_copyTable, &QAction::triggered, this, &Form1::CopyTable);
    addAction(m_copyTable);

    // Screen readers hear results, copies and an outdated result through it.
    m_announcer = new Announcer(this);
    m_heading.setSingleShot(true);
    connect(&m_heading, &QTimer::timeout, this, [this] { m_announcer->Say(m_ui->Label1->text()); });

    // "Über Velmora": F1, and an entry in the result box's menu and in the
    // window's own, which its free area and its captions open.
    m_about = new QAction(QStringLiteral("Über &Velmora"), this);
    m_about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_about, &QAction::triggered, this, [this] { ShowAboutVelmora(this); });
    addAction(m_about);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &Form1::ShowWindowMenu);

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

std::optional<std::string> Form1::ReadFieldText(int field) {
    const Row* row = RowOf(field);
    if (row == nullptr)
        return std::nullopt;
    return row->field->text().toStdString();
}

bool Form1::WriteResultCaption(std::string_view caption) {
    m_ui->Label10->setText(FromUtf8(caption));
    for (QAction* copy : {m_copyResult, m_copyFigure, m_copyTable})
        copy->setEnabled(!caption.empty());
    return true;
}

void Form1::ShowResultCurrent(bool current) {
    QLabel* label = m_ui->Label10;
    m_resultOutdated = !current;
    // Outdated reads as such in more than colour: in italics, and in a
    // lighter colour that still reads well. The label keeps its state, so the
    // text stays selectable and copyable.
    QFont font = label->font();
    font.setItalic(m_resultOutdated);
    label->setFont(font);
    if (m_resultOutdated) {
        QPalette palette = label->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::Text,
                             OutdatedTextColour(palette.color(group, QPalette::Text),
                                                palette.color(group, QPalette::Base)));
        label->setPalette(palette);
    } else {
        label->setPalette(QPalette()); // the window's colours again
    }
    label->setAccessibleDescription(FromUtf8(ResultDescription(!m_resultOutdated)));
    // The figure shows what the result box shows, once the click has done
    // its record: a rule that stops after the caption writes into it still.
    if (m_figure != nullptr && !m_figureDue) {
        m_figureDue = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_figureDue = false;
                m_figure->ShowFigure(MakeFigureGeometry(ResultShown()));
            },
            Qt::QueuedConnection);
    }
}

// The figure belongs to the window and goes with it.
void Form1::closeEvent(QCloseEvent* event) {
    if (m_figure != nullptr)
        m_figure->close();
    QWidget::closeEvent(event);
}

void Form1::ShowFigure() {
    if (m_figure == nullptr) {
        m_figure = new FigureDialog(this, m_copyFigure, m_copyTable);
        m_figure->ShowFigure(MakeFigureGeometry(ResultShown()));
    }
    m_figure->show();
    m_figure->raise();
    m_figure->activateWindow();
}

void Form1::CopyFigure() {
    PutOnClipboard(FigureMimeData(MakeFigureGeometry(ResultShown())), FigureCopiedAnnouncement());
}

void Form1::CopyTable() {
    PutOnClipboard(TableMimeData(ResultShown()), TableCopiedAnnouncement());
}

// A copy for a report, confirmed to screen readers; before the first result
// there is nothing to copy.
void Form1::PutOnClipboard(std::unique_ptr<QMimeData> data, std::string_view confirmation) {
    if (data == nullptr)
        return;
    QGuiApplication::clipboard()->setMimeData(data.release());
    Announce(confirmation);
}

// The frame is drawn in the text colour; an outdated result keeps the
// frame of a current one, so the box never looks disabled.
void Form1::DrawCurrentBorder() {
    QLabel* label = m_ui->Label10;
    QPainter painter(label);
    painter.setPen(window()->palette().color(
        label->isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Text));
    painter.drawRect(label->rect().adjusted(0, 0, -1, -1));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A double-click selects a word; on a number, the whole number, so that
    // what is copied is the value shown and never a part of it.
    if (watched == m_ui->Label10 && event->type() == QEvent::MouseButtonDblClick) {
        static_cast<QObject*>(m_ui->Label10)->event(event);
        SelectWholeNumber();
        ShareSelection();
        return true;
    }
    // Every other way of selecting in the result box, by mouse or keys (the
    // menu's "Alles auswählen" sends the keys too).
    if (watched == m_ui->Label10 &&
        (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress)) {
        static_cast<QObject*>(m_ui->Label10)->event(event);
        ShareSelection();
        return true;
    }
    if (watched == m_ui->Label10 && event->type() == QEvent::Paint && m_resultOutdated) {
        static_cast<QObject*>(m_ui->Label10)->event(event);
        DrawCurrentBorder();
        return true;
    }

    // Pasting several readings into a field, by every way a paste arrives:
    // the keys, the field's menu, and a middle click (X11's selection).
    if (const int number = FieldNumberOf(watched); number != 0) {
        auto* field = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste))
                return PasteReadings(number, QGuiApplication::clipboard()->text());
            if (key->matches(QKeySequence::Undo) && !m_pastedInto.empty() &&
                m_pastedInto.front() == field) {
                m_pasting = true;
                for (QLineEdit* pasted : std::exchange(m_pastedInto, {}))
                    pasted->undo();
                m_pasting = false;
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
    }

    // Return and keypad Enter in a field run the calculation, once a press.
    if (event->type() == QEvent::KeyPress && watched != m_ui->Command1 && watched->isWidgetType() &&
        qobject_cast<QLineEdit*>(watched) != nullptr) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*key)) {
            if (!key->isAutoRepeat())
                m_ui->Command1->click();
            return true;
        }
    }

    // The window's heading, once, when it first comes to the front: its
    // caption stays "Form1", which says nothing. After the screen reader has
    // said the window and its focus.
    if (watched == m_ui->Command1 && event->type() == QEvent::FocusIn && !m_headingAnnounced) {
        m_headingAnnounced = true;
        m_heading.start(HeadingDelay);
    }

    // The focus starts on the button so that a key press runs the calculation
    // at once. Qt shows the focus frame only after a Tab; show it whenever the
    // window comes to the front with the focus on the button.
    if (watched == m_ui->Command1 && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
        setAttribute(Qt::WA_KeyboardFocusChange);

    // Return and keypad Enter on the button act exactly as Space does: shown
    // pressed while the key is down, one calculation when it comes up.
    if (watched == m_ui->Command1 &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*key)) {
            QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                            key->isAutoRepeat());
            QCoreApplication::sendEvent(m_ui->Command1, &space);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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

// Line breaks as the platform expects them: the clipboard writes "\n" as
// CR LF on Windows.
void Form1::CopyResult() {
    QString text = m_ui->Label10->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(text);
    Announce(CopiedAnnouncement());
}

// A mouse user finds copying in the result box's context menu. QLabel has no
// public select-all or copy, so the entries send the label the very keys a
// keyboard user would press, and do exactly what those do.
void Form1::ShowResultMenu(const QPoint& position) {
    QLabel* label = m_ui->Label10;
    const auto pressOnLabel = [label](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QCoreApplication::sendEvent(label, &press);
    };
    auto* menu = new QMenu(label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QStringLiteral("&Kopieren"), label,
                                    [pressOnLabel] { pressOnLabel(Qt::Key_C); });
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setEnabled(label->hasSelectedText());
    QAction* selectAll = menu->addAction(QStringLiteral("Alles &auswählen"), label,
                                         [pressOnLabel] { pressOnLabel(Qt::Key_A); });
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    selectAll->setEnabled(!label->text().isEmpty());
    menu->addSeparator();
    menu->addActions({m_copyResult, m_copyTable, m_copyFigure, m_showFigure});
    menu->addSeparator();
    menu->addAction(m_about);
    menu->popup(label->mapToGlobal(position));
}

void Form1::ShowWindowMenu(const QPoint& position) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions({m_copyResult, m_copyTable, m_copyFigure, m_showFigure});
    menu->addAction(m_about);
    menu->popup(mapToGlobal(position));
}

} // namespace velmora
