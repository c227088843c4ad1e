// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What screen readers are told without the focus moving, in every front end.

// The caption's results, one line each: every paragraph's lines trimmed and
// joined by a blank, "Ergebnis nach der Trapezregel: F = 4850".
[[nodiscard]] std::vector<std::string> ResultLines(std::string_view caption);

// A new result, as one utterance: the caption's lines without their breaks,
// each result closed by a semicolon, never by a full stop, which a German
// voice would read as an ordinal ("4850." is "viertausendachthundertfünfzigste").
[[nodiscard]] std::string ResultAnnouncement(std::string_view caption);

// The result on display no longer belongs to the values in the fields.
[[nodiscard]] std::string_view OutdatedAnnouncement();

// The whole result went to the clipboard.
[[nodiscard]] std::string_view CopiedAnnouncement();

// The figure, or the table of values and results, went to the clipboard.
[[nodiscard]] std::string_view FigureCopiedAnnouncement();
[[nodiscard]] std::string_view TableCopiedAnnouncement();

} // namespace velmora
