// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace velmora {

// A window's outer frame on the screen, in pixels.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Where a dialog's frame of `width` × `height` goes the first time it opens:
// beside `window`, never over its fields, within `screen`. To the right
// where it fits, else below, else to the left, else above; each time at
// `window`'s top or left edge, moved in as far as the screen needs. Nothing
// where it fits on no side: the platform then places it.
[[nodiscard]] std::optional<ScreenPoint> PlaceBeside(const ScreenBox& window, int width, int height,
                                                     const ScreenBox& screen);

} // namespace velmora
