// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/start_calculation.h"

#include "calc/quadrature.h"
#include "calc/sample_values.h"
#include "platform/checked.h"
#include "platform/number_reader.h"
#include "platform/result_text.h"
#include "platform/text_to_double.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

namespace {

constexpr std::string_view LineBreak = "\r\n";

} // namespace

void StartCalculation(ControlAccess& form) {
    SampleValues values;

    // The numeric test of Text1. Its reading is kept: Text1 is read a second
    // time below, and converted again only if its text has changed since.
    const std::string first = form.FieldText(1);
    const std::optional<double> firstValue = ReadNumber(first).value;
    if (!firstValue) {
        form.ShowMessageBox("Wert ist keine Zahl!", 0);
        return;
    }

    for (std::int16_t k = SampleValues::LowerBound; k <= SampleValues::UpperBound;
         k = CheckedIncrement(k)) {
        const std::string text = form.FieldText(k + 1); // Text1 holds entry 0
        values.Store(k, k == SampleValues::LowerBound && text == first ? *firstValue
                                                                       : TextToDouble(text));
    }

    // The rules write every step into the record; it goes on display with
    // the first caption.
    CalculationRecord& record = form.NewRecord();
    for (int k = SampleValues::LowerBound; k <= SampleValues::UpperBound; ++k)
        record.readings[static_cast<std::size_t>(k - SampleValues::LowerBound)] = values.At(k);

    const double trapezoid = TrapezoidRule(values, &record);
    // Appended rather than " " + heading: MinGW's GCC 12 warns falsely
    // (-Wrestrict) about the insert that operator+ inlines.
    std::string resultText(1, ' ');
    resultText += ResultHeading(Rule::Trapezoid);
    resultText += LineBreak;
    resultText += ResultValue(trapezoid);
    form.SetResultCaption(resultText);

    const double simpson = SimpsonRule(values, &record);
    resultText += LineBreak;
    resultText += LineBreak;
    resultText += ResultHeading(Rule::Simpson);
    resultText += LineBreak;
    resultText += ResultValue(simpson);
    form.SetResultCaption(resultText);
}

} // namespace velmora
