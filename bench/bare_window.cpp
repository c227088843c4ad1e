// The yardstick for Velmora's start: an empty Qt window of the same client
// size, started the same way.
#include <QApplication>
#include <QWidget>

int main() {
    static int argc = 1;
    static char name[] = "bare_window";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(464, 442);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.show();
    return QApplication::exec();
}
