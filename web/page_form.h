// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/control_access.h"

#include <emscripten/val.h>

namespace velmora {

// Form1 in the browser: the calculation's window made of the page's elements,
// reached through the page's script object `velmoraPage` (page.js). The page
// shows boxes and moves the focus; the rules for both are the platform's.
class PageForm : public ControlAccess {
public:
    PageForm();

    [[nodiscard]] std::string FieldCaption(int field) const override;
    void FocusField(int field) override;
    void ShowErrorBox(std::string_view message) override;
    void ExplainField(int field, std::string_view explanation) override;

protected:
    std::optional<std::string> ReadFieldText(int field) override;
    bool WriteResultCaption(std::string_view caption) override;
    void ShowModalMessage(std::string_view prompt, int buttons) override;
    void ShowResultCurrent(bool current) override;
    void Announce(std::string_view text) override;

private:
    emscripten::val m_page;
};

} // namespace velmora
