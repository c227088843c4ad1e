// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/runtime_error.h"

#include "platform/number_messages.h"
#include "platform/number_writer.h"

#include <limits>
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

void RaiseFloatingPointError(std::string_view what, std::string_view its) {
    // From finite values only overflow can occur, so "too large" is the
    // plain word for it; the magnitude covers a value far below zero too.
    throw RuntimeError(
        ErrorKind::FloatingPoint,
        std::string(what) + " ist zu groß. " + std::string(its) + " Betrag liegt über " +
            DoubleToText(std::numeric_limits<double>::max()) + ". Bitte kleinere Werte eingeben.");
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
