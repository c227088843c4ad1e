#include "platform/runtime_error.h"

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

void RaiseConversionError(std::string_view text) {
    if (text.empty())
        throw RuntimeError(ErrorKind::Conversion,
                           "Ein leeres Feld lässt sich nicht in eine Zahl umwandeln.");
    throw RuntimeError(ErrorKind::Conversion, "Der Text " + QuotedText(text) +
                                                  " lässt sich nicht in eine Zahl umwandeln.");
}

void RaiseFloatingPointError() {
    throw RuntimeError(ErrorKind::FloatingPoint,
                       "Gleitkommafehler: Die Rechnung verlässt den darstellbaren Zahlenbereich "
                       "(Überlauf, Division durch Null oder ungültige Operation).");
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
