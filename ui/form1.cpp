#include "ui/form1.h"

#include "calc/start_calculation.h"
#include "qt_runtime/command_dispatch.h"
#include "qt_runtime/message_box.h"
#include "ui_form1.h"

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

    // The result box takes the colours of an input area (window background
    // and window text in the palette), which a .ui file can only hard-code.
    m_ui->Label10->setBackgroundRole(QPalette::Base);
    m_ui->Label10->setForegroundRole(QPalette::Text);

    ConnectCommand(*m_ui->Command1, *this, *this, StartCalculation);
}

Form1::~Form1() = default;

void Form1::ShowMessageBox(std::string_view prompt, int buttons) {
    ShowMessage(this, FromUtf8(prompt), buttons);
}

std::optional<std::string> Form1::ReadFieldText(int field) {
    const QLineEdit* const fields[] = {m_ui->Text1, m_ui->Text2, m_ui->Text3, m_ui->Text4,
                                       m_ui->Text5, m_ui->Text6, m_ui->Text7};
    if (field < 1 || field > 7)
        return std::nullopt;
    return fields[field - 1]->text().toStdString();
}

bool Form1::WriteResultCaption(std::string_view caption) {
    m_ui->Label10->setText(FromUtf8(caption));
    return true;
}

} // namespace velmora
