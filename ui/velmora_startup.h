#pragma once

#include "qt_runtime/run_application.h"

namespace velmora {

// Velmora's start-up record: the program hands it to RunApplication, the
// window tests configure their application from it.
StartupRecord VelmoraStartupRecord();

} // namespace velmora
