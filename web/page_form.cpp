// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/page_form.h"

#include <string>

namespace velmora {

PageForm::PageForm() : m_page(emscripten::val::global("velmoraPage")) {}

std::string PageForm::FieldCaption(int field) const {
    return m_page.call<std::string>("fieldCaption", field);
}

void PageForm::FocusField(int field) {
    m_page.call<void>("focusField", field);
}

void PageForm::ShowErrorBox(std::string_view message) {
    m_page.call<void>("showBox", std::string(message), true);
}

void PageForm::ExplainField(int field, std::string_view explanation) {
    m_page.call<void>("explainField", field, std::string(explanation));
}

std::optional<std::string> PageForm::ReadFieldText(int field) {
    const emscripten::val text = m_page.call<emscripten::val>("fieldText", field);
    if (!text.isString())
        return std::nullopt;
    return text.as<std::string>();
}

bool PageForm::WriteResultCaption(std::string_view caption) {
    return m_page.call<bool>("setResult", std::string(caption));
}

// A page cannot wait for the user, but a modal dialog keeps the page inert
// while it is open, and nothing the command does after its box can be seen:
// the box is shown, and the command runs to its end behind it.
void PageForm::ShowModalMessage(std::string_view prompt, int /*buttons*/) {
    m_page.call<void>("showBox", std::string(prompt), false);
}

void PageForm::ShowResultCurrent(bool current) {
    m_page.call<void>("showResultCurrent", current, std::string(ResultDescription(current)));
}

void PageForm::Announce(std::string_view text) {
    m_page.call<void>("announce", std::string(text));
}

} // namespace velmora
