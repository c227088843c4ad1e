// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/runtime_error.h"

#include "platform/number_messages.h"

#include <utility>

namespace velmora {

RuntimeError::RuntimeError(ErrorKind kind, std::string message)
    : m_kind(kind), m_message(std::move(message)) {}

RuntimeError RuntimeError::Conversion(std::string_view text) {
    RuntimeError error(ErrorKind::Conversion, NumberProblemMessage(text, {}));
    error.m_text = text;
    return error;
}

std::string RuntimeError::MessageForField(std::string_view caption) const {
    return m_kind == ErrorKind::Conversion ? NumberProblemMessage(m_text, caption) : m_message;
}

void RaiseFloatingPointError(const Overflow& what) {
    throw RuntimeError(ErrorKind::FloatingPoint, OverflowMessage(what));
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
