// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/result_text.h"

#include "platform/number_messages.h"
#include "platform/number_writer.h"

namespace velmora {

std::string_view ResultName(Rule rule) {
    return rule == Rule::Trapezoid ? "Ergebnis nach der Trapezregel"
                                   : "Ergebnis nach der Simpson-Regel";
}

std::string ResultHeading(Rule rule) {
    std::string heading(ResultName(rule));
    heading += ':';
    return heading;
}

std::string ResultValue(double result) {
    return "F = " + DoubleToText(result);
}

std::string ResultLine(Rule rule, double result) {
    return ResultHeading(rule) + ' ' + ResultValue(result);
}

std::vector<std::string> ResultLines(const CalculationRecord& record) {
    std::vector<std::string> lines;
    for (const Rule rule : {Rule::Trapezoid, Rule::Simpson}) {
        if (const std::optional<double> result = record.Of(rule).result)
            lines.push_back(ResultLine(rule, *result));
        else if (record.error && record.error->rule == rule)
            lines.push_back(OverflowSentence(*record.error));
    }
    return lines;
}

} // namespace velmora
