// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_messages.h"

#include "platform/number_reader.h"
#include "platform/number_writer.h"

#include <limits>

namespace velmora {

namespace {

// A pasted megabyte must not turn into a megabyte-wide message box.
constexpr std::size_t QuotedTextLimit = 40;

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// Advice made from what was typed is given only where it is right: a number
// as the reader reads it, short enough to be read at a glance.
bool IsSoundAdvice(std::string_view advice) {
    return advice.size() <= QuotedTextLimit && IsNumericText(advice);
}

} // namespace

std::string QuotedText(std::string_view text) {
    std::string shown;
    if (text.size() <= QuotedTextLimit) {
        shown = text;
    } else {
        std::size_t cut = QuotedTextLimit;
        while (cut > 0 && IsUtf8Continuation(text[cut]))
            --cut;
        shown = std::string(text.substr(0, cut)) + "…";
    }
    return "„" + shown + "“";
}

std::string NumberProblemMessage(std::string_view text, std::string_view caption) {
    const NumberReading reading = ReadNumber(text);
    const std::string_view typed = reading.text;
    const std::string field = caption.empty() ? "Feld" : "Feld " + QuotedText(caption);
    const std::string holds = "Im " + field + " steht " + QuotedText(typed) + ". ";
    std::string noNumber = "Im " + field + " steht keine Zahl: " + QuotedText(typed) +
                           ". Bitte eine Zahl schreiben, zum Beispiel 12,5 oder -0,25.";
    switch (reading.problem) {
    case NumberProblem::Empty:
        return "Das " + field + " ist leer. Bitte den Messwert eintragen.";
    case NumberProblem::AmbiguousPoint: {
        std::string decimal(typed);
        decimal[decimal.find('.')] = ',';
        const std::string whole = WithoutGrouping(typed);
        if (!IsSoundAdvice(whole))
            break;
        return holds + "Das ist mehrdeutig (Tausenderpunkt oder Dezimalpunkt?). Bitte " + whole +
               " oder " + decimal + " schreiben.";
    }
    case NumberProblem::ThousandsSeparators: {
        const std::string plain = WithoutGrouping(typed);
        if (!IsSoundAdvice(plain))
            break;
        const bool points = typed.find('.') != std::string_view::npos;
        return holds + "Bitte ohne " + (points ? "Tausenderpunkte" : "Leerzeichen") +
               " schreiben, also " + plain + ".";
    }
    case NumberProblem::AboveLargest:
        return holds + "Das ist zu groß. Der größte mögliche Wert ist " +
               DoubleToText(std::numeric_limits<double>::max()) + ".";
    case NumberProblem::BelowLowest:
        return holds + "Das ist zu klein. Der kleinste mögliche Wert ist " +
               DoubleToText(std::numeric_limits<double>::lowest()) + ".";
    case NumberProblem::TwoSeparators:
        return holds +
               "Eine Zahl hat nur ein Dezimalzeichen (Komma oder Punkt), zum Beispiel 12,5.";
    case NumberProblem::TwoSigns:
        return holds + "Eine Zahl hat nur ein Vorzeichen, zum Beispiel -0,25.";
    case NumberProblem::ExponentWithoutDigits: {
        const std::string example = std::string(reading.number) + "3";
        return holds + "Nach dem E fehlt der Exponent, zum Beispiel " +
               (IsSoundAdvice(example) ? example : std::string("1,5e3")) + ".";
    }
    case NumberProblem::TextAfterNumber:
        if (!IsSoundAdvice(reading.number))
            break;
        return holds + "Bitte nur die Zahl schreiben, also " + std::string(reading.number) + ".";
    case NumberProblem::NoNumber:
        break;
    }
    return noNumber;
}

std::string_view RuleName(Rule rule) {
    return rule == Rule::Trapezoid ? "Trapezregel" : "Simpson-Regel";
}

std::string OverflowSentence(const Overflow& what) {
    if (!what.rule)
        return "Die Zahl ist zu groß.";
    return std::string(what.result ? "Das Ergebnis nach der " : "Eine Zwischensumme der ") +
           std::string(RuleName(*what.rule)) + " ist zu groß.";
}

std::string OverflowMessage(const Overflow& what) {
    // From finite values only overflow can occur, so "too large" is the
    // plain word for it; the magnitude covers a value far below zero too.
    const bool neuter = what.rule && what.result; // das Ergebnis; die Zwischensumme, die Zahl
    return OverflowSentence(what) + (neuter ? " Sein" : " Ihr") + " Betrag liegt über " +
           DoubleToText(std::numeric_limits<double>::max()) + ". Bitte kleinere Werte eingeben.";
}

std::string OtherFieldsWithoutNumber(const std::vector<std::string>& captions) {
    if (captions.empty())
        return {};
    if (captions.size() == 1)
        return "Auch das Feld " + QuotedText(captions.front()) + " enthält keine Zahl.";
    std::string fields = QuotedText(captions.front());
    for (std::size_t k = 1; k + 1 < captions.size(); ++k)
        fields += ", " + QuotedText(captions[k]);
    return "Auch die Felder " + fields + " und " + QuotedText(captions.back()) +
           " enthalten keine Zahl.";
}

} // namespace velmora
