// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The box the calculation asks for: modal, titled with the application's
// name, plain text, one OK button, no icon. Button code 0 is the only one the
// program passes; any other is a programming error.
void ShowMessage(QWidget* parent, const QString& prompt, int buttons);

// How the runtime shows a run-time error that reached it.
void ShowRuntimeErrorMessage(QWidget* parent, const QString& message);

} // namespace velmora
