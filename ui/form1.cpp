#include "ui/form1.h"

#include "calc/start_calculation.h"
#include "qt_runtime/command_dispatch.h"
#include "qt_runtime/message_box.h"
#include "ui_form1.h"

#include <QKeyEvent>
#include <QMenu>

namespace velmora {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::Form1>()) {
    m_ui->setupUi(this);

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

    // The result box takes the colours of an input area (window background
    // and window text in the palette), which a .ui file can only hard-code.
    m_ui->Label10->setBackgroundRole(QPalette::Base);
    m_ui->Label10->setForegroundRole(QPalette::Text);
    connect(m_ui->Label10, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);

    ConnectCommand(*m_ui->Command1, *this, *this, StartCalculation);
}

Form1::~Form1() = default;

void Form1::ShowMessageBox(std::string_view prompt, int buttons) {
    ShowMessage(this, FromUtf8(prompt), buttons);
}

std::string Form1::FieldCaption(int field) const {
    const QLabel* const captions[] = {m_ui->Label3, m_ui->Label4, m_ui->Label5, m_ui->Label6,
                                      m_ui->Label7, m_ui->Label8, m_ui->Label9};
    if (field < 1 || field > 7)
        return {};
    return captions[field - 1]->text().toStdString();
}

void Form1::FocusField(int field) {
    if (QLineEdit* edit = Field(field)) {
        edit->selectAll();
        edit->setFocus(Qt::OtherFocusReason);
    }
}

QLineEdit* Form1::Field(int field) const {
    QLineEdit* const fields[] = {m_ui->Text1, m_ui->Text2, m_ui->Text3, m_ui->Text4,
                                 m_ui->Text5, m_ui->Text6, m_ui->Text7};
    return field >= 1 && field <= 7 ? fields[field - 1] : nullptr;
}

std::optional<std::string> Form1::ReadFieldText(int field) {
    const QLineEdit* edit = Field(field);
    if (edit == nullptr)
        return std::nullopt;
    return edit->text().toStdString();
}

bool Form1::WriteResultCaption(std::string_view caption) {
    m_ui->Label10->setText(FromUtf8(caption));
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
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
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier) {
            QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                            key->isAutoRepeat());
            QCoreApplication::sendEvent(m_ui->Command1, &space);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
    menu->popup(label->mapToGlobal(position));
}

} // namespace velmora
