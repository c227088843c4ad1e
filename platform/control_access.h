// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/calculation_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What screen readers call the result box: "Ergebnis", and while the result
// belongs to other values than those in the fields, "Ergebnis (gehört nicht
// zu den aktuellen Werten)".
[[nodiscard]] std::string_view ResultDescription(bool current);

// The window as the calculation sees it: read the text of the fields Text1 ...
// Text7, set the caption of Label10, show a message box. The real form, the
// page and the tests' fake window all implement it, so the calculation and
// the click rules run the same against each.
//
// Every property access is checked here, once: a control that cannot be
// reached becomes the property-access run-time error. Whether the result on
// display belongs to the values in the fields is kept here too, so every
// front end marks it alike.
class ControlAccess {
public:
    ControlAccess() = default;
    ControlAccess(const ControlAccess&) = delete;
    ControlAccess& operator=(const ControlAccess&) = delete;
    virtual ~ControlAccess() = default;

    // The text of field TextN, N from 1 to 7.
    [[nodiscard]] std::string FieldText(int field);
    // Sets the caption of Label10, the result box. The record begun last by
    // NewRecord goes on display with it.
    void SetResultCaption(std::string_view caption);
    // The record a new calculation fills as it goes. The result on display
    // keeps its own until the new calculation sets its first caption; from
    // then on the calculation writes into the record on display.
    [[nodiscard]] CalculationRecord& NewRecord();
    // Modal; returns when the user has closed the box. The calculation passes
    // button code 0 only: a single OK button without an icon, under the
    // application's title. A result on display is marked outdated before the
    // box shows, since the click that shows it gives no result.
    void ShowMessageBox(std::string_view prompt, int buttons);

    // For the click rules, which bracket every command with these.
    void BeginCommand();
    // A command that ends without setting the result caption leaves a result
    // that belongs to other values than those now in the fields.
    void EndCommand();
    // Last in a click, once its boxes are closed: screen readers hear what the
    // click changed, the new result or that the old one is outdated, once.
    void AnnounceOutcome();
    // The field FieldText read last. The calculation converts each field
    // before it reads the next, so after a conversion error this is the field
    // that did not convert.
    [[nodiscard]] std::optional<int> LastFieldRead() const { return m_lastFieldRead; }
    // Whether the running command showed a message box.
    [[nodiscard]] bool MessageBoxShown() const { return m_messageBoxShown; }
    // The text of field TextN, read only to explain a box, never recorded as
    // read; nothing for a field that cannot be reached.
    [[nodiscard]] std::optional<std::string> FieldTextToExplain(int field);
    // Whether field TextN holds a number, read so. A field that cannot be
    // reached holds none.
    [[nodiscard]] bool FieldHoldsNumber(int field);

    // The result on display no longer belongs to the values in the fields (a
    // field was edited, or a click gave no result): shown as outdated until
    // the next caption is set. Nothing happens while no result is shown or
    // when it is already outdated. Screen readers hear it at once, or, in a
    // click, after its boxes.
    void MarkResultOutdated();
    // The record of the result on display, or std::nullopt while no result
    // is shown.
    [[nodiscard]] std::optional<CalculationRecord> ResultShown() const;

    // The caption beside field TextN ("T = 0 °C"), and putting the keyboard
    // focus on that field with its whole text selected, ready to be typed
    // over.
    [[nodiscard]] virtual std::string FieldCaption(int field) const = 0;
    virtual void FocusField(int field) = 0;
    // The runtime's box for a run-time error: modal, with the error icon.
    virtual void ShowErrorBox(std::string_view message) = 0;
    // Says, beside field TextN and to screen readers, why its text is no
    // number and what to type instead, without covering any field; gone at
    // the field's next edit.
    virtual void ExplainField(int field, std::string_view explanation) = 0;

protected:
    // std::nullopt / false when the control cannot be reached.
    virtual std::optional<std::string> ReadFieldText(int field) = 0;
    virtual bool WriteResultCaption(std::string_view caption) = 0;
    virtual void ShowModalMessage(std::string_view prompt, int buttons) = 0;
    // Shows Label10 as the result of the values in the fields, or as one
    // that belongs to other values; its text stays as it is. Called once
    // each time the caption is set, and once each time a shown result
    // becomes outdated.
    virtual void ShowResultCurrent(bool current) = 0;
    // Has screen readers say the text once, without moving the focus.
    virtual void Announce(std::string_view text) = 0;

private:
    std::optional<int> m_lastFieldRead;
    bool m_captionSet = false;
    bool m_messageBoxShown = false;
    bool m_resultShown = false; // a non-empty caption is on display
    bool m_inClick = false;
    // What AnnounceOutcome says: a new result, or that the one on display is
    // outdated. Worded only then, once a click.
    enum class Outcome { None, NewResult, Outdated } m_outcome = Outcome::None;
    // The record on display and the one a calculation fills: two, so that a
    // calculation that fails before its first caption leaves the result on
    // display as it was.
    std::array<CalculationRecord, 2> m_records{};
    std::size_t m_shownRecord = 0;
    std::optional<std::size_t> m_newRecord; // begun in this command
};

} // namespace velmora
