// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/start_calculation.h"

#include "calc/quadrature.h"
#include "calc/sample_values.h"
#include "platform/checked.h"
#include "platform/number_reader.h"
#include "platform/number_writer.h"
#include "platform/text_to_double.h"

#include <cstdint>
#include <string>

namespace velmora {

namespace {

constexpr std::string_view LineBreak = "\r\n";

} // namespace

void StartCalculation(ControlAccess& form) {
    SampleValues values;

    if (!IsNumericText(form.FieldText(1))) {
        form.ShowMessageBox("Wert ist keine Zahl!", 0);
        return;
    }

    for (std::int16_t k = SampleValues::LowerBound; k <= SampleValues::UpperBound;
         k = CheckedIncrement(k))
        values.Store(k, TextToDouble(form.FieldText(k + 1))); // Text1 holds entry 0

    const double trapezoid = TrapezoidRule(values);
    std::string resultText = " Ergebnis nach der Trapezregel:";
    resultText += LineBreak;
    resultText += "F = " + DoubleToText(trapezoid);
    form.SetResultCaption(resultText);

    const double simpson = SimpsonRule(values);
    resultText += LineBreak;
    resultText += LineBreak;
    resultText += "Ergebnis nach der Simpson-Regel:";
    resultText += LineBreak;
    resultText += "F = " + DoubleToText(simpson);
    form.SetResultCaption(resultText);
}

} // namespace velmora
