#include "start_calculation.h"

#include "checked.h"
#include "number_text.h"
#include "quadrature.h"
#include "sample_values.h"

#include <cstdint>
#include <string>

namespace velmora {

namespace {

constexpr std::string_view LineBreak = "\r\n";

// Text1 holds entry 0, Text2 entry 1, and so on.
std::string FieldFor(std::int16_t entry) {
    return "Text" + std::to_string(entry + 1);
}

} // namespace

void StartCalculation(ControlAccess& form) {
    SampleValues values;

    if (!IsNumericText(form.Text("Text1"))) {
        form.ShowMessageBox("Wert ist keine Zahl!", 0);
        return;
    }

    for (std::int16_t k = SampleValues::LowerBound; k <= SampleValues::UpperBound;
         k = CheckedIncrement(k))
        values.Store(k, TextToDouble(form.Text(FieldFor(k))));

    const double trapezoid = TrapezoidRule(values);
    std::string resultText = " Ergebnis nach der Trapezregel:";
    resultText += LineBreak;
    resultText += "F = " + DoubleToText(trapezoid);
    form.SetCaption("Label10", resultText);

    const double simpson = SimpsonRule(values);
    resultText += LineBreak;
    resultText += LineBreak;
    resultText += "Ergebnis nach der Simpson-Regel:";
    resultText += LineBreak;
    resultText += "F = " + DoubleToText(simpson);
    form.SetCaption("Label10", resultText);
}

} // namespace velmora
