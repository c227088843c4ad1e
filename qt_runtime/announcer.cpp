// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime/announcer.h"

#include <QAccessible>

namespace velmora {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// Showing it again is what screen readers hear: QWidget tells them of every
// show. Windows' UI Automation speaks a value change that carries a text.
void Announcer::Say(const QString& text) {
    m_text = text;
    hide();
    show();
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace velmora
