// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/beside_window.h"

#include "platform/dialog_placement.h"

#include <QScreen>
#include <QWidget>

namespace velmora {

namespace {

ScreenBox BoxOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

} // namespace

void ShowBeside(QWidget& dialog, const QWidget& window) {
    if (!dialog.testAttribute(Qt::WA_Moved)) {
        // The dialog has no frame before it is first shown: it will get one
        // like the window's.
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        const QSize size = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();
        const int width = size.width() + outer.width() - inner.width();
        const int height = size.height() + outer.height() - inner.height();
        const std::optional<ScreenPoint> place =
            PlaceBeside(BoxOf(outer), width, height, BoxOf(window.screen()->availableGeometry()));
        if (place)
            dialog.move(place->x, place->y);
    }
    dialog.show();
    // Where the platform placed it, or the user moved it, it stays.
    dialog.setAttribute(Qt::WA_Moved);
    dialog.raise();
    dialog.activateWindow();
}

} // namespace velmora
