#include "qt_runtime/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace velmora {

namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& prompt) {
    // The box bears the application's title, never the window's.
    QMessageBox box(icon, QCoreApplication::applicationName(), prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void ShowMessage(QWidget* parent, const QString& prompt, int buttons) {
    Q_ASSERT_X(buttons == 0, "ShowMessage", "only button code 0 (OK, no icon) is used");
    Show(parent, QMessageBox::NoIcon, prompt);
}

void ShowRuntimeErrorMessage(QWidget* parent, const QString& message) {
    Show(parent, QMessageBox::Critical, message);
}

} // namespace velmora
