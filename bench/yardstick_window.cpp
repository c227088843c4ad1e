// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardsticks for Velmora's start: an empty Qt window of the same client
// size, started the same way (bare_window), and the same with one line of
// text (labelled_window), which is what brings in fontconfig and Qt's font
// database, the bulk of any window's start.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main() {
    static int argc = 1;
    static char name[] = "yardstick_window";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(464, 442);
    window.setWindowTitle(QStringLiteral("Yardstick"));
#ifdef YARDSTICK_WITH_LABEL
    QLabel label(QStringLiteral("T = 0 °C"), &window);
#endif
    window.show();
    return QApplication::exec();
}
