#pragma once

#include "run_application.h"

// Velmora's start-up record: the program hands it to RunApplication, the
// window tests configure their application from it.
velmora::StartupRecord VelmoraStartupRecord();
