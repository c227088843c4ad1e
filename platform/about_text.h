// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace velmora {

// What "Über Velmora" says, in every front end: the version, the copyright,
// the licence with its "no warranty", and where the source is.
[[nodiscard]] std::string AboutText(std::string_view version);

} // namespace velmora
