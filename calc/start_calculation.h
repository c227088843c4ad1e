// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/control_access.h"

namespace velmora {

// The reaction to a click on "Starte Berechnung": reads Text1 ... Text7,
// integrates by both rules and shows the result text in Label10. A first field
// that holds no number gets a message box instead. Run-time errors (a field
// that does not convert, an overflow) are not handled here; they leave the
// command and reach the caller.
void StartCalculation(ControlAccess& form);

} // namespace velmora
