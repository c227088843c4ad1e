// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace velmora {

// The correctly rounded double of a text that passes IsNumericText; raises the
// conversion error for any other text.
[[nodiscard]] double TextToDouble(std::string_view text);

} // namespace velmora
