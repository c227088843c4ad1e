// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace velmora {

// Everything the program tells the runtime at start: who it is, which window
// to open, which language and locale to speak.
struct StartupRecord {
    QString title;           // application name, also the title of message boxes
    QString version;         // "1.0.0"
    QString desktopFileName; // the desktop entry, without ".desktop"
    QStringList iconFiles;   // the window icon, one PNG file a size
    QLocale locale;          // number formats and Qt's own texts
    std::function<std::unique_ptr<QWidget>()> startForm;
};

// Sets up the running QApplication from the record: names, version, locale,
// German Qt texts, the icon and the font substitutes. RunApplication calls
// it; tests call it to get the same application the user gets.
void ConfigureApplication(const StartupRecord& record);

// Creates the application, shows the start form and runs the event loop until
// the form is closed. Returns the process exit status. Without a display it
// says so in one line and returns 1.
int RunApplication(const StartupRecord& record);

} // namespace velmora
