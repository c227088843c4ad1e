#pragma once

#include <exception>
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

    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }
    // German, UTF-8, ready to be shown to the user.
    [[nodiscard]] const std::string& message() const noexcept { return m_message; }
    [[nodiscard]] const char* what() const noexcept override { return m_message.c_str(); }

private:
    ErrorKind m_kind;
    std::string m_message;
};

// „text“ in German quotes, cut after 40 bytes (on a UTF-8 boundary) so a
// pasted megabyte cannot become a megabyte-wide message.
[[nodiscard]] std::string QuotedText(std::string_view text);

[[noreturn]] void RaiseConversionError(std::string_view text);
[[noreturn]] void RaiseFloatingPointError();
[[noreturn]] void RaiseOverflowError();
[[noreturn]] void RaiseBoundsError(long long index, long long lower, long long upper);
[[noreturn]] void RaisePropertyAccessError(std::string_view control, std::string_view property);

} // namespace velmora
