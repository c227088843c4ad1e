// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/control_access.h"

#include "platform/number_reader.h"
#include "platform/runtime_error.h"

namespace velmora {

std::string_view ResultDescription(bool current) {
    return current ? "Ergebnis" : "Ergebnis (gehört nicht zu den aktuellen Werten)";
}

std::string ControlAccess::FieldText(int field) {
    m_lastFieldRead = field;
    std::optional<std::string> text = ReadFieldText(field);
    if (!text)
        RaisePropertyAccessError("Text" + std::to_string(field), "Text");
    return std::move(*text);
}

void ControlAccess::SetResultCaption(std::string_view caption) {
    if (!WriteResultCaption(caption))
        RaisePropertyAccessError("Label10", "Caption");
    m_captionSet = true;
    m_resultShown = !caption.empty();
    m_resultCurrent = true;
    ShowResultCurrent(true);
}

void ControlAccess::ShowMessageBox(std::string_view prompt, int buttons) {
    if (!m_captionSet)
        MarkResultOutdated();
    m_messageBoxShown = true;
    ShowModalMessage(prompt, buttons);
}

void ControlAccess::BeginCommand() {
    m_lastFieldRead.reset();
    m_captionSet = false;
    m_messageBoxShown = false;
}

void ControlAccess::EndCommand() {
    if (!m_captionSet)
        MarkResultOutdated();
}

bool ControlAccess::FieldHoldsNumber(int field) {
    const std::optional<std::string> text = ReadFieldText(field);
    return text && IsNumericText(*text);
}

void ControlAccess::MarkResultOutdated() {
    if (!m_resultShown || !m_resultCurrent)
        return;
    m_resultCurrent = false;
    ShowResultCurrent(false);
}

} // namespace velmora
