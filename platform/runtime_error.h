#pragma once

#include "platform/number_text.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What went wrong at run time. One exception type for all of them, so the
// click dispatcher needs one catch to keep the program alive.
enum class ErrorKind {
    Conversion,
    FloatingPoint,
    CounterOverflow,
    Bounds,
    PropertyAccess,
};

class RuntimeError : public std::exception {
public:
    RuntimeError(ErrorKind kind, std::string message);
    // The conversion error for a text that is no number.
    RuntimeError(NumberProblem problem, std::string_view text);

    [[nodiscard]] ErrorKind Kind() const noexcept { return m_kind; }
    // German, UTF-8, ready to be shown to the user. A conversion error speaks
    // of "the field" without naming it.
    [[nodiscard]] const std::string& Message() const noexcept { return m_message; }
    // The same message with the field named by its caption; only a conversion
    // error speaks of a field, the others read as Message().
    [[nodiscard]] std::string MessageForField(std::string_view caption) const;
    [[nodiscard]] const char* what() const noexcept override { return m_message.c_str(); }

private:
    ErrorKind m_kind;
    std::optional<NumberProblem> m_problem;
    std::string m_text; // the text that did not convert
    std::string m_message;
};

// „text“ in German quotes, cut after 40 bytes (on a UTF-8 boundary) so a
// pasted megabyte cannot become a megabyte-wide message.
[[nodiscard]] std::string QuotedText(std::string_view text);

// `result` names what left the double range, e.g. "Das Ergebnis nach der
// Trapezregel"; the message says so and what to do.
[[noreturn]] void RaiseFloatingPointError(std::string_view result);
[[noreturn]] void RaiseOverflowError();
[[noreturn]] void RaiseBoundsError(long long index, long long lower, long long upper);
[[noreturn]] void RaisePropertyAccessError(std::string_view control, std::string_view property);

} // namespace velmora
