#include "platform/runtime_error.h"

#include <limits>
#include <utility>

namespace velmora {

namespace {

// A pasted megabyte must not turn into a megabyte-wide message box.
constexpr std::size_t QuotedTextLimit = 40;

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
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

RuntimeError::RuntimeError(ErrorKind kind, std::string message)
    : m_kind(kind), m_message(std::move(message)) {}

RuntimeError::RuntimeError(NumberProblem problem, std::string_view text)
    : m_kind(ErrorKind::Conversion), m_problem(problem), m_text(text),
      m_message(NumberProblemMessage(problem, text, {})) {}

std::string RuntimeError::MessageForField(std::string_view caption) const {
    return m_problem ? NumberProblemMessage(*m_problem, m_text, caption) : m_message;
}

void RaiseFloatingPointError(std::string_view result) {
    // From finite values only overflow can occur, so "too large" is the
    // plain word for it; the magnitude covers a result far below zero too.
    throw RuntimeError(ErrorKind::FloatingPoint,
                       std::string(result) + " ist zu groß. Sein Betrag liegt über " +
                           DoubleToText(std::numeric_limits<double>::max()) +
                           ". Bitte kleinere Werte eingeben.");
}

void RaiseOverflowError() {
    throw RuntimeError(ErrorKind::CounterOverflow,
                       "Überlauf: Ein Zähler hat seinen Bereich verlassen.");
}

void RaiseBoundsError(long long index, long long lower, long long upper) {
    throw RuntimeError(ErrorKind::Bounds,
                       "Index außerhalb des gültigen Bereichs: " + std::to_string(index) +
                           " liegt nicht in " + std::to_string(lower) + " bis " +
                           std::to_string(upper) + ".");
}

void RaisePropertyAccessError(std::string_view control, std::string_view property) {
    throw RuntimeError(ErrorKind::PropertyAccess, "Zugriff auf die Eigenschaft " +
                                                      QuotedText(property) + " von " +
                                                      QuotedText(control) + " fehlgeschlagen.");
}

} // namespace velmora
