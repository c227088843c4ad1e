#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <array>

namespace velmora {

namespace {

using Buttons = QMessageBox::StandardButtons;

constexpr std::array<QMessageBox::StandardButtons::Int, 6> ButtonSets = {
    QMessageBox::Ok,
    QMessageBox::Ok | QMessageBox::Cancel,
    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
    QMessageBox::Yes | QMessageBox::No,
    QMessageBox::Retry | QMessageBox::Cancel,
};

QMessageBox::Icon IconFor(int buttons) {
    switch (buttons & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& prompt, Buttons buttons) {
    // The box bears the application's title, never the window's.
    QMessageBox box(icon, QCoreApplication::applicationName(), prompt, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void ShowMessage(QWidget* parent, const QString& prompt, int buttons) {
    const auto set = static_cast<std::size_t>(buttons & 0x0F);
    Show(parent, IconFor(buttons), prompt,
         Buttons::fromInt(set < ButtonSets.size() ? ButtonSets[set] : ButtonSets[0]));
}

void ShowRuntimeErrorMessage(QWidget* parent, const QString& message) {
    Show(parent, QMessageBox::Critical, message, QMessageBox::Ok);
}

} // namespace velmora
