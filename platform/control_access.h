#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The window as the calculation sees it: read the text of the fields Text1 ...
// Text7, set the caption of Label10, show a message box. The real form and
// the tests' fake window both implement it, so the calculation runs the same
// against either.
//
// Every property access is checked here, once: a control that cannot be
// reached becomes the property-access run-time error.
class ControlAccess {
public:
    ControlAccess() = default;
    ControlAccess(const ControlAccess&) = delete;
    ControlAccess& operator=(const ControlAccess&) = delete;
    virtual ~ControlAccess() = default;

    // The text of field TextN, N from 1 to 7.
    [[nodiscard]] std::string FieldText(int field);
    // The field FieldText read last. The calculation converts each field
    // before it reads the next, so after a conversion error this is the field
    // that did not convert.
    [[nodiscard]] std::optional<int> LastFieldRead() const { return m_lastFieldRead; }
    // Sets the caption of Label10, the result box.
    void SetResultCaption(std::string_view caption);

    // The runtime brackets every command with these. A command that ends
    // without setting the result caption leaves a result that belongs to
    // other values than those now in the fields: it is shown as outdated
    // until the next caption is set.
    void BeginCommand() { m_captionSet = false; }
    void EndCommand() {
        if (!m_captionSet)
            ShowResultCurrent(false);
    }

    // Modal; returns when the user has closed the box. The calculation passes
    // button code 0 only: a single OK button without an icon, under the
    // application's title. Any other code is a programming error.
    virtual void ShowMessageBox(std::string_view prompt, int buttons) = 0;

    // For the runtime's error messages: the caption beside field TextN
    // ("T = 0 °C"), and putting the keyboard focus on that field with its
    // whole text selected, ready to be typed over.
    [[nodiscard]] virtual std::string FieldCaption(int field) const = 0;
    virtual void FocusField(int field) = 0;

protected:
    // std::nullopt / false when the control cannot be reached.
    virtual std::optional<std::string> ReadFieldText(int field) = 0;
    virtual bool WriteResultCaption(std::string_view caption) = 0;
    // Shows Label10 as the result of the values in the fields, or as one
    // that belongs to other values; its text stays as it is.
    virtual void ShowResultCurrent(bool current) = 0;

private:
    std::optional<int> m_lastFieldRead;
    bool m_captionSet = false;
};

} // namespace velmora
