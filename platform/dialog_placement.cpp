// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialog_placement.h"

#include <algorithm>

namespace velmora {

namespace {

// The room between the two frames, so that the window's edge stays visible.
constexpr int Gap = 8;

// `start` moved in as far as needed for `extent` to fit between `first` and
// `last`; nothing where it cannot fit at all.
std::optional<int> Within(int start, int extent, int first, int last) {
    if (extent > last - first)
        return std::nullopt;
    return std::clamp(start, first, last - extent);
}

} // namespace

std::optional<ScreenPoint> PlaceBeside(const ScreenBox& window, int width, int height,
                                       const ScreenBox& screen) {
    const int screenRight = screen.left + screen.width;
    const int screenBottom = screen.top + screen.height;
    const int windowRight = window.left + window.width;
    const int windowBottom = window.top + window.height;
    const std::optional<int> beside = Within(window.top, height, screen.top, screenBottom);
    const std::optional<int> belowOrAbove = Within(window.left, width, screen.left, screenRight);
    if (beside && windowRight + Gap + width <= screenRight)
        return ScreenPoint{windowRight + Gap, *beside};
    if (belowOrAbove && windowBottom + Gap + height <= screenBottom)
        return ScreenPoint{*belowOrAbove, windowBottom + Gap};
    if (beside && window.left - Gap - width >= screen.left)
        return ScreenPoint{window.left - Gap - width, *beside};
    if (belowOrAbove && window.top - Gap - height >= screen.top)
        return ScreenPoint{*belowOrAbove, window.top - Gap - height};
    return std::nullopt;
}

} // namespace velmora
