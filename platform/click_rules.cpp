// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/click_rules.h"

#include "platform/number_messages.h"
#include "platform/number_reader.h"
#include "platform/runtime_error.h"

#include <exception>
#include <new>
#include <vector>

namespace velmora {

namespace {

constexpr int FieldCount = 7;

// The conversion error's message, with the field named, and every other field
// that holds no number named after it.
std::string ConversionMessage(ControlAccess& form, const RuntimeError& error, int badField) {
    std::string message = error.MessageForField(form.FieldCaption(badField));
    std::vector<std::string> others;
    for (int field = 1; field <= FieldCount; ++field)
        if (field != badField && !form.FieldHoldsNumber(field))
            others.push_back(form.FieldCaption(field));
    // Appended piece by piece: "\n" + a temporary string trips GCC 12's
    // -Wrestrict at -O3 (a false alarm, but the Windows build treats it as
    // an error).
    if (!others.empty()) {
        message += '\n';
        message += OtherFieldsWithoutNumber(others);
    }
    return message;
}

std::string FailureMessage(ControlAccess& form, Command command, std::optional<int>& badField) {
    try {
        command(form);
    } catch (const RuntimeError& error) {
        if (error.Kind() != ErrorKind::Conversion || !form.LastFieldRead())
            return error.Message();
        badField = form.LastFieldRead();
        return ConversionMessage(form, error, *badField);
    }
    return {};
}

// "Wert ist keine Zahl!" says no more, as it always has. Where the reader
// knows more of Text1's text than that it is no number (an ambiguous point,
// a unit after it, ...), the field says it once the box is closed, as any
// other field's box would.
void ExplainFirstField(ControlAccess& form) {
    const std::optional<std::string> text = form.FieldTextToExplain(1);
    if (!text)
        return;
    const NumberReading reading = ReadNumber(*text);
    if (!reading.value && reading.problem != NumberProblem::Empty &&
        reading.problem != NumberProblem::NoNumber)
        form.ExplainField(1, NumberProblemMessage(*text, form.FieldCaption(1)));
}

} // namespace

void RunClick(ControlAccess& form, Command command) {
    std::string failure;
    std::optional<int> badField;
    form.BeginCommand();
    try {
        failure = FailureMessage(form, command, badField);
    } catch (const std::bad_alloc&) {
        failure = "Nicht genügend Arbeitsspeicher.";
    } catch (const std::exception& error) {
        failure = std::string("Unerwarteter Fehler: ") + error.what();
    }
    // The result on display no longer belongs to the fields while the box
    // says why. The box is shown after the command has unwound, so its
    // temporaries are already released while the box waits for the user.
    form.EndCommand();
    if (!failure.empty())
        form.ShowErrorBox(failure);
    if (form.MessageBoxShown()) {
        badField = form.LastFieldRead();
        ExplainFirstField(form);
    }
    if (badField)
        form.FocusField(*badField);
    form.AnnounceOutcome();
}

} // namespace velmora
