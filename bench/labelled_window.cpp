// A second yardstick: the bare window plus one line of text, which is what
// brings in fontconfig and Qt's font database, the bulk of any window's start.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main() {
    static int argc = 1;
    static char name[] = "labelled_window";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(464, 442);
    window.setWindowTitle(QStringLiteral("Labelled"));
    QLabel label(QStringLiteral("T = 0 °C"), &window);
    window.show();
    return QApplication::exec();
}
