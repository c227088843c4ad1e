#include "velmora_startup.h"

#include "form1.h"

velmora::StartupRecord VelmoraStartupRecord() {
    return {
        .title = QStringLiteral("Velmora"),
        .version = QStringLiteral("1.00"),
        .desktopFileName = QStringLiteral("velmora"),
        .iconResource = QStringLiteral(":/velmora.ico"),
        .localeId = 0x0407, // German (Germany)
        .threading = velmora::ThreadingModel::SingleThreaded,
        .startForm = [] { return std::make_unique<Form1>(); },
    };
}
