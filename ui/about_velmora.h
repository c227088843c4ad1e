// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/actions.h"

class QWidget;

namespace velmora {

// "Über Velmora": modal over `parent`, like the message box. The version,
// copyright, licence and where the source is; the notices of what the
// program contains; and Qt's own About box.
// Titled as `action`, which opens it, is labelled.
void ShowAboutVelmora(QWidget* parent, const Action& action);

} // namespace velmora
