// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/velmora_startup.h"

#include "ui/form1.h"

namespace velmora {

StartupRecord VelmoraStartupRecord() {
    return {
        .title = QStringLiteral("Velmora"),
        .version = QStringLiteral(VELMORA_VERSION),
        .desktopFileName = QStringLiteral("velmora"),
        .iconFiles = {QStringLiteral(":/velmora-16.png"), QStringLiteral(":/velmora-32.png")},
        .locale = QLocale(QLocale::German, QLocale::Germany),
        .startForm = [] { return std::make_unique<Form1>(); },
    };
}

} // namespace velmora
