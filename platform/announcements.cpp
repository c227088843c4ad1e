// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/announcements.h"

#include "platform/result_text.h"

namespace velmora {

std::string ResultAnnouncement(const CalculationRecord& record) {
    std::string spoken;
    for (const Rule rule : {Rule::Trapezoid, Rule::Simpson}) {
        const std::optional<double> result = record.Of(rule).result;
        if (!result)
            continue;
        if (!spoken.empty())
            spoken += "; ";
        spoken += ResultLine(rule, *result);
    }
    return spoken;
}

std::string_view OutdatedAnnouncement() {
    return "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.";
}

} // namespace velmora
