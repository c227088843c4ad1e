// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/velmora_startup.h"

int main() {
    return velmora::RunApplication(velmora::VelmoraStartupRecord());
}
