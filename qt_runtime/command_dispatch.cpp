#include "qt_runtime/command_dispatch.h"

#include <QAbstractButton>

namespace velmora {

void ConnectCommand(QAbstractButton& button, ControlAccess& controls, Command command) {
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&controls, command] { RunClick(controls, command); });
}

} // namespace velmora
