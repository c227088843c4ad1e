// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qt_runtime/run_application.h"

namespace velmora {

// Velmora's start-up record: the program hands it to RunApplication, the
// window tests configure their application from it.
StartupRecord VelmoraStartupRecord();

} // namespace velmora
