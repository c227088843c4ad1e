#include "qt_runtime/command_dispatch.h"

#include "platform/runtime_error.h"
#include "qt_runtime/message_box.h"

#include <QAbstractButton>
#include <QWidget>
#include <new>

namespace velmora {

namespace {

void RunCommand(QWidget& form, ControlAccess& controls, Command command) {
    QString failure;
    try {
        command(controls);
        return;
    } catch (const RuntimeError& error) {
        failure = QString::fromStdString(error.message());
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("Nicht genügend Arbeitsspeicher.");
    } catch (const std::exception& error) {
        failure = QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromUtf8(error.what()));
    }
    // Shown after the handler has unwound, so the command's temporaries are
    // already released while the box waits for the user.
    ShowRuntimeErrorMessage(&form, failure);
}

} // namespace

void ConnectCommand(QAbstractButton& button, QWidget& form, ControlAccess& controls,
                    Command command) {
    QObject::connect(&button, &QAbstractButton::clicked, &form,
                     [&form, &controls, command] { RunCommand(form, controls, command); });
}

} // namespace velmora
