// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/message_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace velmora {

namespace {

// Narrower than this, window managers cut the title "Velmora" to "V…".
constexpr int MinimumWidth = 240;

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& prompt) {
    // The box bears the application's title, never the window's.
    QMessageBox box(icon, QCoreApplication::applicationName(), prompt, QMessageBox::Ok, parent);
    // A field text is shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    // QMessageBox sizes itself from its layout, so the width goes in there.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(MinimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

} // namespace

void ShowMessage(QWidget* parent, const QString& prompt, int buttons) {
    Q_ASSERT_X(buttons == 0, "ShowMessage", "only button code 0 (OK, no icon) is used");
    Show(parent, QMessageBox::NoIcon, prompt);
}

void ShowRuntimeErrorMessage(QWidget* parent, const QString& message) {
    Show(parent, QMessageBox::Critical, message);
}

} // namespace velmora
