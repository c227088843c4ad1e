// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/command_dispatch.h"

#include <QAbstractButton>

namespace velmora {

void ConnectCommand(QAbstractButton& button, ControlAccess& controls, Command command) {
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&controls, command] { RunClick(controls, command); });
}

} // namespace velmora
