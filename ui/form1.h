#pragma once

#include "widget_control_access.h"

#include <QWidget>
#include <memory>

namespace Ui {
class Form1;
}

// The one window. Its layout lives in form1.ui; the code only wires the
// button to StartCalculation and sets what a .ui file cannot say.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

private:
    std::unique_ptr<Ui::Form1> m_ui;
    velmora::WidgetControlAccess m_controls;
};
