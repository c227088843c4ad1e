// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QTimer>

namespace velmora {

// What a copy says to the eye, as the announcer says it to screen readers:
// a short note below the result box for about two seconds. A frameless
// window of its own, owned by the window, so that no control moves; unlike a
// tooltip, a menu closing or a click elsewhere does not take it away.
class CopyConfirmation : public QLabel {
    Q_OBJECT

public:
    explicit CopyConfirmation(QWidget* owner);
    // Shows `text` just below `resultBox`, right-aligned with it.
    void ShowBelow(const QString& text, const QWidget& resultBox);

private:
    QTimer m_hide;
};

} // namespace velmora
