// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/control_access.h"

#include "platform/announcements.h"
#include "platform/number_reader.h"
#include "platform/runtime_error.h"

#include <cstddef>
#include <utility>

namespace velmora {

std::string_view ResultDescription(bool current) {
    return current ? "Ergebnis" : "Ergebnis (gehört nicht zu den aktuellen Werten)";
}

std::string ControlAccess::FieldText(int field) {
    m_lastFieldRead = field;
    std::optional<std::string> text = ReadFieldText(field);
    if (!text)
        RaisePropertyAccessError("Text" + std::to_string(field), "Text");
    if (field >= 1) {
        if (m_textsRead.size() < static_cast<std::size_t>(field))
            m_textsRead.resize(static_cast<std::size_t>(field));
        m_textsRead[static_cast<std::size_t>(field) - 1] = *text;
    }
    return std::move(*text);
}

void ControlAccess::SetResultCaption(std::string_view caption) {
    if (!WriteResultCaption(caption))
        RaisePropertyAccessError("Label10", "Caption");
    m_captionSet = true;
    m_resultShown = !caption.empty();
    m_resultCurrent = true;
    m_result = {m_textsRead, std::string(caption), true};
    ShowResultCurrent(true);
    m_outcome = m_resultShown ? ResultAnnouncement(caption) : std::string();
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
    m_inClick = true;
    m_outcome.clear();
    m_textsRead.clear();
}

void ControlAccess::EndCommand() {
    if (!m_captionSet)
        MarkResultOutdated();
}

void ControlAccess::AnnounceOutcome() {
    m_inClick = false;
    if (!m_outcome.empty())
        Announce(std::exchange(m_outcome, {}));
}

bool ControlAccess::FieldHoldsNumber(int field) {
    const std::optional<std::string> text = ReadFieldText(field);
    return text && IsNumericText(*text);
}

void ControlAccess::MarkResultOutdated() {
    if (!m_resultShown || !m_resultCurrent)
        return;
    m_resultCurrent = false;
    m_result.current = false;
    ShowResultCurrent(false);
    if (m_inClick)
        m_outcome = OutdatedAnnouncement();
    else
        Announce(OutdatedAnnouncement());
}

std::optional<ResultOnDisplay> ControlAccess::ResultShown() const {
    if (!m_resultShown)
        return std::nullopt;
    return m_result;
}

} // namespace velmora
