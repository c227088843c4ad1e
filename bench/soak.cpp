// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Clicks "Starte Berechnung" on the real window (offscreen) again and again,
// cycling through a valid calculation, a non-numeric Text1, a bad Text2 and
// an overflow, closing every box that opens. Reports how resident memory grew
// after warm-up; exits with 1 if it grew by 1 MiB or more.
//   soak [clicks]   (100000 by default)
#include "testing/box_closer.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

const QStringList Cases[] = {
    {"106", "64,885", "49,02", "95,89", "71,8", "-26,39", "-17,01"},
    {"abc", "1", "1", "1", "1", "1", "1"},
    {"1", "x", "1", "1", "1", "1", "1"},
    {"1e305", "1e305", "1e305", "1e305", "1e305", "1e305", "1e305"},
};

QtMessageHandler DefaultHandler = nullptr;

// The offscreen platform warns about every message box it sizes.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        DefaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    const long clicks = argc > 1 ? std::stol(argv[1]) : 100000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DefaultHandler = qInstallMessageHandler(QuietHandler);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    BoxCloser closer;
    application.installEventFilter(&closer);

    velmora::Form1 form;
    form.show();
    auto* button = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    QList<QLineEdit*> fields;
    for (int k = 1; k <= 7; ++k)
        fields << form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k));

    qsizetype closed = 0;
    const long warmUp = clicks / 20;
    long afterWarmUp = 0;
    for (long click = 0; click < clicks; ++click) {
        const QStringList& values = Cases[click % 4];
        for (int k = 0; k < 7; ++k)
            fields[k]->setText(values[k]);
        button->click();
        QApplication::processEvents();
        closed += closer.seen.size();
        closer.seen.clear();
        if (click + 1 == warmUp)
            afterWarmUp = ResidentKiB();
    }
    const long atEnd = ResidentKiB();
    std::printf("clicks %ld, boxes closed %lld\n", clicks, static_cast<long long>(closed));
    std::printf("resident after warm-up (%ld clicks) %ld KiB, at end %ld KiB, growth %ld KiB\n",
                warmUp, afterWarmUp, atEnd, atEnd - afterWarmUp);
    return atEnd - afterWarmUp < 1024 ? 0 : 1;
}
