// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <string>
#include <string_view>

namespace velmora {

// What screen readers are told without the focus moving, in every front end.

// A new result, as one utterance: each rule's result as the result box words
// it, "Ergebnis nach der Trapezregel: F = 4850", closed by a semicolon, never
// by a full stop, which a German voice would read as an ordinal ("4850." is
// "viertausendachthundertfünfzigste"). A rule that gave no result is left
// out: its box has said why.
[[nodiscard]] std::string ResultAnnouncement(const CalculationRecord& record);

// The result on display no longer belongs to the values in the fields.
[[nodiscard]] std::string_view OutdatedAnnouncement();

} // namespace velmora
