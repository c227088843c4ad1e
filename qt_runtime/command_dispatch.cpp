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
    std::optional<int> badField;
    controls.BeginCommand();
    try {
        command(controls);
        controls.EndCommand();
        return;
    } catch (const RuntimeError& error) {
        if (error.Kind() == ErrorKind::Conversion)
            badField = controls.LastFieldRead();
        failure = QString::fromStdString(
            badField ? error.MessageForField(controls.FieldCaption(*badField)) : error.Message());
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("Nicht genügend Arbeitsspeicher.");
    } catch (const std::exception& error) {
        failure = QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromUtf8(error.what()));
    }
    // The result on display no longer belongs to the fields while the box
    // says why. The box is shown after the handler has unwound, so the
    // command's temporaries are already released while it waits for the user.
    controls.EndCommand();
    ShowRuntimeErrorMessage(&form, failure);
    if (badField)
        controls.FocusField(*badField);
}

} // namespace

void ConnectCommand(QAbstractButton& button, QWidget& form, ControlAccess& controls,
                    Command command) {
    QObject::connect(&button, &QAbstractButton::clicked, &form,
                     [&form, &controls, command] { RunCommand(form, controls, command); });
}

} // namespace velmora
