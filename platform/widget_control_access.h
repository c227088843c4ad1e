#pragma once

#include "control_access.h"

class QWidget;

namespace velmora {

// Control access on a real window: controls are found by their object names
// among the window's children, texts cross as UTF-8.
class WidgetControlAccess final : public ControlAccess {
public:
    explicit WidgetControlAccess(QWidget& form) : m_form(form) {}

    void ShowMessageBox(std::string_view prompt, int buttons) override;

protected:
    std::optional<std::string> ReadText(std::string_view control) override;
    bool WriteCaption(std::string_view control, std::string_view caption) override;

private:
    QWidget& m_form;
};

} // namespace velmora
