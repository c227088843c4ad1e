// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seven arbitrary texts into StartCalculation on a fake window. Every run ends
// in exactly one of: the message with Label10 untouched; a run-time error with
// Label10 untouched or at lines 1-2; the five-line result. Never "inf" or
// "nan" on display. Then the same texts through the click rules: at most one
// box, and the focus only ever in the field the box is about.
#include "calc/start_calculation.h"
#include "platform/click_rules.h"
#include "platform/runtime_error.h"
#include "testing/fake_form.h"
#include "testing/fuzz_check.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <regex>

using velmora::Check;

namespace {

const std::string Number = R"(-?[0-9]+(,[0-9]+)?(E[+-][0-9]{2,3})?)";
const std::regex TwoLines(" Ergebnis nach der Trapezregel:\r\nF = " + Number);
const std::regex FiveLines(" Ergebnis nach der Trapezregel:\r\nF = " + Number +
                           "\r\n\r\nErgebnis nach der Simpson-Regel:\r\nF = " + Number);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    std::vector<std::string> fields;
    fields.reserve(7);
    for (int k = 0; k < 7; ++k)
        fields.push_back(provider.ConsumeRandomLengthString(64));
    velmora::FakeForm form(fields);

    bool raised = false;
    try {
        velmora::StartCalculation(form);
    } catch (const velmora::RuntimeError&) {
        raised = true;
    }

    if (!form.messages.empty()) {
        Check(!raised);
        Check(form.messages == std::vector<std::string>{"Wert ist keine Zahl!"});
        Check(form.reads == std::vector<std::string>{"Text1"});
        Check(form.captionHistory.empty());
    } else if (raised) {
        Check(form.captionHistory.empty() || (form.captionHistory.size() == 1 &&
                                              std::regex_match(form.captionHistory[0], TwoLines)));
    } else {
        Check(form.captionHistory.size() == 2);
        Check(std::regex_match(form.captionHistory[0], TwoLines));
        Check(std::regex_match(form.captionHistory[1], FiveLines));
        Check(form.captionHistory[1].rfind(form.captionHistory[0], 0) == 0);
    }

    velmora::FakeForm clicked(fields);
    velmora::RunClick(clicked, velmora::StartCalculation);
    Check(clicked.messages.size() + clicked.errorBoxes.size() <= 1);
    Check(clicked.captionHistory == form.captionHistory);
    if (!clicked.messages.empty())
        Check(clicked.focusedField == 1);
    else if (clicked.focusedField)
        Check(*clicked.focusedField >= 2 && *clicked.focusedField <= 7 &&
              clicked.errorBoxes.size() == 1 &&
              clicked.errorBoxes[0].find(clicked.FieldCaption(*clicked.focusedField)) !=
                  std::string::npos);
    return 0;
}
