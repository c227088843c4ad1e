#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What a command may do with the window: read a text field, set a label's
// caption, show a message box. The calculation sees only this, so it runs the
// same against the real window and against a fake one in tests.
//
// Every property access is checked here, once: a control that cannot be
// reached becomes the property-access run-time error.
class ControlAccess {
public:
    ControlAccess() = default;
    ControlAccess(const ControlAccess&) = delete;
    ControlAccess& operator=(const ControlAccess&) = delete;
    virtual ~ControlAccess() = default;

    [[nodiscard]] std::string Text(std::string_view control);
    void SetCaption(std::string_view control, std::string_view caption);

    // Modal; returns when the user has closed the box. Button code 0 is a
    // single OK button without an icon; the title is the application's.
    virtual void ShowMessageBox(std::string_view prompt, int buttons) = 0;

protected:
    // std::nullopt / false when the control does not exist or has no such
    // property.
    virtual std::optional<std::string> ReadText(std::string_view control) = 0;
    virtual bool WriteCaption(std::string_view control, std::string_view caption) = 0;
};

} // namespace velmora
