// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace velmora {

// Velmora's own accessible interfaces: the announcer's, and one for text
// fields that hands screen readers the whole value (Qt 6.4's gives them
// empty attribute runs, and Orca then speaks a cut value, "1," for "1,5").
// Must follow the QApplication: the factory installed last is asked first,
// and QtWidgets installs its own when the application is made.
void InstallAccessibleInterfaces();

} // namespace velmora
