// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long "Verlauf" takes to open: from F9 to the figure's first paint, in
// a new window each run, so that every run makes the dialog afresh. Prints
// the median of 20 runs. Runs on any platform Qt has, offscreen included.
#include "ui/figure_dialog.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Notes the first paint of the figure itself.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            qobject_cast<velmora::FigureView*>(watched) != nullptr)
            painted = true;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    FirstPaint paint;
    application.installEventFilter(&paint);
    constexpr int Runs = 20;
    std::vector<double> milliseconds;
    for (int run = 0; run < Runs; ++run) {
        auto form = std::make_unique<velmora::Form1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return 1;
        const QStringList values{"0,1", "1,2", "4,5", "9", "16,1", "25", "36"};
        for (int n = 1; n <= 7; ++n)
            form->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))->setText(values[n - 1]);
        QTest::keyClick(form->findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);

        paint.painted = false;
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(form.get(), Qt::Key_F9);
        while (!paint.painted && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!paint.painted)
            return 1;
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("Verlauf, F9 to first paint: median %.1f ms, slowest %.1f ms (%d runs)\n",
                milliseconds[Runs / 2], milliseconds.back(), Runs);
    return 0;
}
