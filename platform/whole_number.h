// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// A stretch of a text, counted in UTF-16 code units as the front ends count.
struct TextRange {
    std::size_t start = 0;
    std::size_t end = 0; // one past the last
};

// What a double-click in the result box selects. The front end has selected
// the word under the pointer; a number in the result is sign, digits, comma
// and exponent, which a front end splits into several words. Where the word
// lies in a number, the whole number, so that what is copied is the value
// shown and never a part of it; elsewhere the word as it is. Line breaks in
// `text` count one code unit each, as in the front ends' selections.
[[nodiscard]] TextRange WholeNumberAround(std::u16string_view text, TextRange word);

} // namespace velmora
