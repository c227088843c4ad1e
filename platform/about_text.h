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

// The heading of the notices of what the program contains, with its
// mnemonic.
[[nodiscard]] std::string_view NoticesHeading();

// The close button of Velmora's own windows, with its mnemonic.
[[nodiscard]] std::string_view CloseLabel();

// A label where no mnemonic is taken: "Über &Velmora" is "Über Velmora".
[[nodiscard]] std::string WithoutMnemonic(std::string_view label);

} // namespace velmora
