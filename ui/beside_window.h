// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace velmora {

// Shows `dialog` beside `window` the first time, never over its fields;
// after that where the user left it. A QDialog centres itself on its
// parent at every show unless the program has moved it.
void ShowBeside(QWidget& dialog, const QWidget& window);

} // namespace velmora
