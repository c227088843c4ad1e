// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/actions.h"

#include <array>

namespace velmora {

namespace {

// Written by platform/CMakeLists.txt from resources/actions.json.
constexpr std::array Table = {
#include "action_table.inc"
};

} // namespace

std::span<const Action> WindowActions() {
    return Table;
}

} // namespace velmora
