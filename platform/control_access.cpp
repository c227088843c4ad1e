// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/control_access.h"

#include "platform/announcements.h"
#include "platform/number_reader.h"
#include "platform/runtime_error.h"

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
    return std::move(*text);
}

CalculationRecord& ControlAccess::NewRecord() {
    m_newRecord = m_resultShown ? 1 - m_shownRecord : m_shownRecord;
    CalculationRecord& record = m_records[*m_newRecord];
    record = {};
    return record;
}

void ControlAccess::SetResultCaption(std::string_view caption) {
    if (!WriteResultCaption(caption))
        RaisePropertyAccessError("Label10", "Caption");
    m_captionSet = true;
    if (m_newRecord)
        m_shownRecord = *m_newRecord;
    else // a caption of no calculation: no result to show again
        m_records[m_shownRecord] = {};
    m_resultShown = !caption.empty();
    m_records[m_shownRecord].current = true;
    ShowResultCurrent(true);
    m_outcome = m_resultShown ? Outcome::NewResult : Outcome::None;
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
    m_outcome = Outcome::None;
    m_newRecord.reset();
}

void ControlAccess::EndCommand() {
    if (!m_captionSet)
        MarkResultOutdated();
}

void ControlAccess::AnnounceOutcome() {
    m_inClick = false;
    switch (std::exchange(m_outcome, Outcome::None)) {
    case Outcome::NewResult:
        Announce(ResultAnnouncement(m_records[m_shownRecord]));
        break;
    case Outcome::Outdated:
        Announce(OutdatedAnnouncement());
        break;
    case Outcome::None:
        break;
    }
}

std::optional<std::string> ControlAccess::FieldTextToExplain(int field) {
    return ReadFieldText(field);
}

bool ControlAccess::FieldHoldsNumber(int field) {
    const std::optional<std::string> text = FieldTextToExplain(field);
    return text && IsNumericText(*text);
}

void ControlAccess::MarkResultOutdated() {
    CalculationRecord& shown = m_records[m_shownRecord];
    if (!m_resultShown || !shown.current)
        return;
    shown.current = false;
    ShowResultCurrent(false);
    if (m_inClick)
        m_outcome = Outcome::Outdated;
    else
        Announce(OutdatedAnnouncement());
}

std::optional<CalculationRecord> ControlAccess::ResultShown() const {
    if (!m_resultShown)
        return std::nullopt;
    return m_records[m_shownRecord];
}

} // namespace velmora
