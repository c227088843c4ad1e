// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/whole_number.h"

#include "platform/number_reader.h"

#include <string>

namespace velmora {

namespace {

// A character of a number as the result box shows it: -6,66666666733331E-309.
bool IsNumberCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'-' || c == u'+' || c == u'E';
}

} // namespace

TextRange WholeNumberAround(std::u16string_view text, TextRange word) {
    if (word.start >= word.end || word.end > text.size())
        return word;
    std::size_t start = word.start;
    std::size_t end = word.end;
    while (start > 0 && IsNumberCharacter(text[start - 1]))
        --start;
    while (end < text.size() && IsNumberCharacter(text[end]))
        ++end;
    // Trim what the front end may have taken along, such as a line break.
    while (start < end && !IsNumberCharacter(text[start]))
        ++start;
    while (end > start && !IsNumberCharacter(text[end - 1]))
        --end;
    // Only number characters are left, all of them ASCII.
    std::string candidate;
    for (std::size_t k = start; k < end; ++k)
        candidate += static_cast<char>(text[k]);
    if (start >= end || !IsNumericText(candidate))
        return word;
    return {start, end};
}

} // namespace velmora
