// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about_velmora.h"

#include "platform/about_text.h"
#include "platform/readable_notices.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Built into the program: on Windows the notices of everything Velmora.exe
// contains, written to be read; elsewhere the Debian copyright, which names
// what velmora compiles in (the system's Qt is a library of its own), made
// readable.
QString Notices() {
    QFile notices(QStringLiteral(":/THIRD-PARTY-NOTICES.txt"));
    if (notices.open(QIODevice::ReadOnly))
        return QString::fromStdString(ReadableQuotedNotices(notices.readAll().toStdString()));
    QFile copyright(QStringLiteral(":/copyright"));
    if (copyright.open(QIODevice::ReadOnly))
        return QString::fromStdString(ReadableNotices(copyright.readAll().toStdString()));
    return {};
}

} // namespace

void ShowAboutVelmora(QWidget* parent, const Action& action) {
    QDialog dialog(parent);
    dialog.setWindowTitle(FromUtf8(WithoutMnemonic(action.label)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* about = new QLabel(
        QString::fromStdString(AboutText(QCoreApplication::applicationVersion().toStdString())));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);
    about->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(about);
    auto* heading = new QLabel(FromUtf8(NoticesHeading()) + QLatin1Char(':'));
    layout->addWidget(heading);
    auto* notices = new QPlainTextEdit(Notices());
    notices->setReadOnly(true);
    notices->setMinimumSize(460, 200);
    notices->setAccessibleName(FromUtf8(WithoutMnemonic(NoticesHeading())));
    heading->setBuddy(notices);
    layout->addWidget(notices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* aboutQt =
        buttons->addButton(QStringLiteral("Über &Qt"), QDialogButtonBox::ActionRole);
    QObject::connect(aboutQt, &QPushButton::clicked, &dialog,
                     [&dialog] { QMessageBox::aboutQt(&dialog, QStringLiteral("Über Qt")); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    dialog.exec();
}

} // namespace velmora
