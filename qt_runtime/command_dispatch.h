#pragma once

#include "platform/control_access.h"

class QAbstractButton;
class QWidget;

namespace velmora {

using Command = void (*)(ControlAccess&);

// Runs `command` for each click of `button`. This is the runtime's default
// handling of run-time errors: an error that leaves the command is shown in a
// modal box over `form`, and the program goes on. A field that did not
// convert is named by its caption and, once the box is closed, has the focus
// with its text selected. No exception ever reaches the Qt event loop.
void ConnectCommand(QAbstractButton& button, QWidget& form, ControlAccess& controls,
                    Command command);

} // namespace velmora
