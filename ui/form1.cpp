#include "form1.h"

#include "command_dispatch.h"
#include "start_calculation.h"
#include "ui_form1.h"

Form1::Form1(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::Form1>()), m_controls(*this) {
    m_ui->setupUi(this);

    // The result box takes the colours of an input area (window background
    // and window text in the palette), which a .ui file can only hard-code.
    m_ui->Label10->setBackgroundRole(QPalette::Base);
    m_ui->Label10->setForegroundRole(QPalette::Text);

    velmora::ConnectCommand(*m_ui->Command1, *this, m_controls, velmora::StartCalculation);
}

Form1::~Form1() = default;
