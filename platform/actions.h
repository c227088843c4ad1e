// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace velmora {

// The window's actions, as resources/actions.json declares them for every
// front end: the desktop builds its actions, menus and buttons from them,
// the page its keys and buttons. Adding one is a row there and the code that
// performs it.
enum class ActionNeeds { Nothing, Result };

struct Action {
    std::string_view name;
    std::string_view label;      // with its mnemonic; empty for a key alone
    std::string_view desktopKey; // as Qt reads keys, "Ctrl+Shift+C"; empty for none
    std::string_view pageKey;    // the same way, "Alt+Shift+C"; empty for none
    ActionNeeds needs;
    std::string_view confirmation; // what screen readers hear once it is done
    bool resultMenu;               // in the result box's context menu
    bool windowMenu;               // in the window's own
    int group;                     // its group there, between separators
    int button;                    // its place among the figure's buttons; 0 for none
};

// In the order of the menus.
[[nodiscard]] std::span<const Action> WindowActions();

} // namespace velmora
