#include "run_application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace velmora {

namespace {

QLocale LocaleFor(int localeId) {
    switch (localeId) {
    case 0x0407:
        return {QLocale::German, QLocale::Germany};
    default:
        return QLocale::system();
    }
}

// Qt ends the process with an abort when no platform plugin can start, i.e.
// when there is no display. While the application is being created, messages
// are held back; a fatal one becomes a single clear line and exit status 1.
std::vector<std::pair<QtMsgType, QString>> HeldMessages;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("Velmora: Keine grafische Anzeige gefunden. Das Programm braucht eine "
                   "Desktop-Sitzung (X11 oder Wayland).\n",
                   stderr);
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

    const QLocale locale = LocaleFor(record.localeId);
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(qApp);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    if (!record.iconResource.isEmpty())
        QApplication::setWindowIcon(QIcon(record.iconResource));

    // "MS Sans Serif" is a Windows font; Liberation Sans is the nearest
    // sans-serif that Debian ships.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
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
