// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/floating_point_error.h"

#include <exception>
#include <string>
#include <string_view>

namespace velmora {

// What went wrong at run time. One exception type for all of them, so the
// click rules need one catch to keep the program alive.
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
    [[nodiscard]] static RuntimeError Conversion(std::string_view text);

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
    std::string m_text; // the text that did not convert
    std::string m_message;
};

[[noreturn]] void RaiseOverflowError();
[[noreturn]] void RaiseBoundsError(long long index, long long lower, long long upper);
[[noreturn]] void RaisePropertyAccessError(std::string_view control, std::string_view property);

} // namespace velmora
