// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/click_rules.h"

class QAbstractButton;

namespace velmora {

// Runs `command` for each click of `button` by the click rules, which show
// any run-time error in a box through `controls`. No exception ever reaches
// the Qt event loop.
void ConnectCommand(QAbstractButton& button, ControlAccess& controls, Command command);

} // namespace velmora
