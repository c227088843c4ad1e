// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/control_access.h"

namespace velmora {

using Command = void (*)(ControlAccess&);

// What a click on "Starte Berechnung" does, whatever draws the window: it
// runs `command`, and is the runtime's default handling of the run-time errors
// that leave it. Such an error is shown in one box and the program goes on:
// - the result on display is marked outdated before any box shows;
// - a field that did not convert is named by its caption, and the box also
//   names every other field that holds no number;
// - afterwards the focus is in the field that did not convert, or in Text1
//   after its "Wert ist keine Zahl!", with the text selected; after any other
//   error it stays where it was, so no reading is typed over by mistake.
// No exception leaves it.
void RunClick(ControlAccess& form, Command command);

} // namespace velmora
