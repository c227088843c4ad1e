#include "qt_runtime/command_dispatch.h"

#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "qt_runtime/message_box.h"

#include <QAbstractButton>
#include <QWidget>
#include <new>

namespace velmora {

namespace {

// The message for a field that did not convert names it by its caption.
QString FieldConversionFailure(ControlAccess& controls, int field, const QString& fallback) {
    try {
        return QString::fromStdString(
            FieldConversionMessage(controls.FieldCaption(field), controls.FieldText(field)));
    } catch (const RuntimeError&) {
        return fallback;
    }
}

void RunCommand(QWidget& form, ControlAccess& controls, Command command) {
    QString failure;
    std::optional<int> badField;
    try {
        command(controls);
        return;
    } catch (const RuntimeError& error) {
        failure = QString::fromStdString(error.message());
        if (error.kind() == ErrorKind::Conversion)
            badField = controls.LastFieldRead();
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("Nicht genügend Arbeitsspeicher.");
    } catch (const std::exception& error) {
        failure = QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromUtf8(error.what()));
    }
    if (badField)
        failure = FieldConversionFailure(controls, *badField, failure);
    // Shown after the handler has unwound, so the command's temporaries are
    // already released while the box waits for the user.
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
