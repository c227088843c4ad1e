// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/copy_confirmation.h"

namespace velmora {

namespace {

// Long enough to be read once, short enough not to be in the way.
constexpr int ShownMilliseconds = 2000;
// The room between the result box and the note.
constexpr int Gap = 6;

} // namespace

CopyConfirmation::CopyConfirmation(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(3);
    m_hide.setSingleShot(true);
    m_hide.setInterval(ShownMilliseconds);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
}

void CopyConfirmation::ShowBelow(const QString& text, const QWidget& resultBox) {
    setText(text);
    adjustSize();
    const QPoint bottomRight = resultBox.mapToGlobal(QPoint(resultBox.width(), resultBox.height()));
    move(bottomRight.x() - width(), bottomRight.y() + Gap);
    show();
    raise();
    m_hide.start();
}

} // namespace velmora
