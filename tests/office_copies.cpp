// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Velmora's window on a real X server, driven line by line from standard
// input, for the office programs' tests (tests/office_test.py): it does what
// a user does, keeps the clipboard as Velmora leaves it for another program
// to paste, and hands over the very bytes other programs read from it.
//   type TEXT1<TAB>...<TAB>TEXT7   the readings typed, then Return ("ok box TEXT"
//                                  where a box said TEXT)
//   edit N TEXT                    field TextN's text changed
//   do NAME                        the action NAME of resources/actions.json
//   record                         the result on display as the record holds it, JSON
//   save DIR                       the clipboard's targets, as another X client
//                                  reads them (xclip), into DIR
//   quit
// Each command answers with one line: "ok ..." or "error ...".
#include "platform/actions.h"
#include "testing/box_closer.h"
#include "ui/form1.h"
#include "ui/velmora_startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QtTest>
#include <array>
#include <cstdio>
#include <unistd.h>

namespace {

void Answer(const QString& line) {
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

// What another X client reads for `target`, with the event loop running, so
// that this program, the selection's owner, can answer it.
QByteArray ReadClipboard(const QString& target, bool* read) {
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-o", "-t", target});
    loop.exec();
    *read = xclip.exitStatus() == QProcess::NormalExit && xclip.exitCode() == 0;
    return xclip.readAllStandardOutput();
}

// "17 digits": enough to tell every double apart.
QString Exact(double value) {
    return QString::number(value, 'g', 17);
}

class Driver : public QObject {
public:
    Driver() : m_stdin(STDIN_FILENO, QSocketNotifier::Read) {
        qApp->installEventFilter(&m_boxes);
        m_form.show();
        connect(&m_stdin, &QSocketNotifier::activated, this, &Driver::ReadInput);
    }

private:
    void ReadInput() {
        std::array<char, 4096> buffer{};
        const ssize_t count = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (count <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        m_pending.append(buffer.data(), count);
        for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
            Perform(line);
        }
    }

    QLineEdit* Field(int number) {
        return m_form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }

    void Perform(const QString& line) {
        const QString command = line.section(' ', 0, 0);
        const QString rest = line.section(' ', 1);
        if (command == "type") {
            const QStringList texts = rest.split('\t');
            for (int k = 0; k < texts.size(); ++k)
                Field(k + 1)->setText(texts[k]);
            Field(1)->setFocus();
            QTest::keyClick(Field(1), Qt::Key_Return);
            // A box's modal loop runs until the closer closes it, so it is
            // over by now.
            Answer(m_boxes.seen.isEmpty() ? "ok" : "ok box " + m_boxes.seen.front().text);
            m_boxes.seen.clear();
        } else if (command == "edit") {
            Field(rest.section(' ', 0, 0).toInt())->setText(rest.section(' ', 1));
            Answer("ok");
        } else if (command == "do") {
            Do(rest);
        } else if (command == "record") {
            Record();
        } else if (command == "save") {
            Save(rest);
        } else if (command == "quit") {
            Answer("ok");
            QCoreApplication::exit(0);
        } else {
            Answer("error no such command: " + command);
        }
    }

    // As a menu or a key does it: the window's own action.
    void Do(const QString& name) {
        for (const velmora::Action& action : velmora::WindowActions()) {
            if (QString::fromUtf8(action.name.data(), qsizetype(action.name.size())) != name)
                continue;
            const QString label =
                QString::fromUtf8(action.label.data(), qsizetype(action.label.size()));
            for (QAction* made : m_form.actions())
                if (made->text() == label && made->isEnabled()) {
                    made->trigger();
                    Answer("ok");
                    return;
                }
        }
        Answer("error no enabled action " + name);
    }

    void Record() {
        const std::optional<velmora::CalculationRecord> shown = m_form.ResultShown();
        if (!shown) {
            Answer("error no result");
            return;
        }
        QStringList readings;
        for (const double reading : shown->readings)
            readings << Exact(reading);
        const auto result = [](const std::optional<double>& value) {
            return value ? Exact(*value) : QStringLiteral("null");
        };
        Answer(QStringLiteral("ok {\"readings\": [%1], \"trapezoid\": %2, \"simpson\": %3, "
                              "\"current\": %4}")
                   .arg(readings.join(", "), result(shown->trapezoid.result),
                        result(shown->simpson.result), shown->current ? "true" : "false"));
    }

    // Every target, its bytes in a file named after it ("text_html").
    void Save(const QString& directory) {
        bool read = false;
        const QByteArray targets = ReadClipboard(QStringLiteral("TARGETS"), &read);
        if (!read) {
            Answer("error xclip read no targets");
            return;
        }
        QDir().mkpath(directory);
        QFile list(directory + "/TARGETS");
        if (!list.open(QIODevice::WriteOnly)) {
            Answer("error cannot write " + list.fileName());
            return;
        }
        list.write(targets);
        for (const QByteArray& target : targets.split('\n')) {
            const QString name = QString::fromUtf8(target).trimmed();
            if (!name.contains('/'))
                continue; // TARGETS, TIMESTAMP, UTF8_STRING and the like
            const QByteArray bytes = ReadClipboard(name, &read);
            QString file = name;
            file.replace(QRegularExpression("[^A-Za-z0-9.-]"), "_");
            QFile out(directory + '/' + file);
            if (!read || !out.open(QIODevice::WriteOnly)) {
                Answer("error cannot save " + name);
                return;
            }
            out.write(bytes);
        }
        Answer("ok " + QString::fromUtf8(targets).simplified());
    }

    BoxCloser m_boxes;
    velmora::Form1 m_form;
    QSocketNotifier m_stdin;
    QByteArray m_pending;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velmora::ConfigureApplication(velmora::VelmoraStartupRecord());
    Driver driver;
    Answer("ok ready");
    return QApplication::exec();
}
