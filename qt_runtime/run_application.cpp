// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/run_application.h"

#include "qt_runtime/accessibility.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace velmora {

namespace {

// Qt ends the process with an abort when no platform plugin can start. While
// the application is being created, messages are held back; a fatal one
// becomes a single German line that says what failed, and exit status 1.
std::vector<std::pair<QtMsgType, QString>> HeldMessages;

// The platform plugins say so in a warning before Qt's fatal message.
bool DisplayWasMissing() {
    return std::any_of(HeldMessages.begin(), HeldMessages.end(), [](const auto& held) {
        return held.second.contains(QLatin1String("connect to display")) ||
               held.second.contains(QLatin1String("wl_display"));
    });
}

// Qt's fatal message only says that no plugin could be initialised; the
// warning before it names the cause.
QString FailureReason(const QString& fatalMessage) {
    QString reason = fatalMessage.section(QLatin1Char('\n'), 0, 0);
    for (const auto& [type, message] : HeldMessages)
        if (type == QtWarningMsg || type == QtCriticalMsg)
            reason = message;
    return reason.simplified();
}

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                           const QString& message) {
    if (type == QtFatalMsg) {
        const QString line =
            DisplayWasMissing()
                ? QStringLiteral("Velmora: Keine grafische Anzeige gefunden. Das Programm braucht "
                                 "eine Desktop-Sitzung (X11 oder Wayland).")
                : QStringLiteral("Velmora: Die grafische Oberfläche ließ sich nicht starten: ") +
                      FailureReason(message);
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
        std::_Exit(1);
    }
    HeldMessages.emplace_back(type, message);
}

} // namespace

void ConfigureApplication(const StartupRecord& record) {
    QCoreApplication::setApplicationName(record.title);
    QCoreApplication::setApplicationVersion(record.version);
    QGuiApplication::setDesktopFileName(record.desktopFileName);
    // No setApplicationDisplayName: Qt would append it to every window title.

    InstallAccessibleInterfaces();
    QLocale::setDefault(record.locale);
    // Qt's own texts: built into the program where it carries them (Windows),
    // else from the system's Qt translations.
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (translator->load(record.locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                             folder)) {
            QCoreApplication::installTranslator(translator.get());
            translator.release()->setParent(qApp); // lives as long as the application
            break;
        }

    // PNG is read by Qt itself. Without auto-detection the reader goes
    // straight to it, instead of loading every image-format plugin to ask
    // whether it knows the file.
    QIcon icon;
    for (const QString& file : record.iconFiles) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);

    // "MS Sans Serif" is a bitmap font of old Windows. Its scalable successor
    // is "Microsoft Sans Serif" on Windows; Liberation Sans is the nearest
    // sans-serif that Debian ships.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
}

int RunApplication(const StartupRecord& record) {
    // The program takes no command line: Qt sees only a program name.
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::exchange(HeldMessages, {}))
        qt_message_output(type, QMessageLogContext(), message);

    ConfigureApplication(record);
    const std::unique_ptr<QWidget> form = record.startForm();
    form->show();
    return QApplication::exec();
}

} // namespace velmora
