// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sample_values.h"
#include "platform/control_access.h"

#include <string>
#include <vector>

namespace velmora {

// A window without a screen: seven text fields and Label10, recording every
// read, every caption set and every message box.
class FakeForm : public ControlAccess {
public:
    explicit FakeForm(const std::vector<std::string>& fieldTexts = {}) {
        for (std::size_t k = 0; k < texts.size(); ++k)
            texts[k] = k < fieldTexts.size() ? fieldTexts[k] : "";
    }

    // Only the click rules ask for these, never the calculation.
    [[nodiscard]] std::string FieldCaption(int field) const override {
        return "Text" + std::to_string(field);
    }
    void FocusField(int field) override { focusedField = field; }
    void ExplainField(int field, std::string_view explanation) override {
        explained.emplace_back(field, explanation);
    }
    void ShowErrorBox(std::string_view message) override {
        errorBoxes.emplace_back(message);
        resultCurrentWhileBoxShown.push_back(resultCurrent);
    }

    std::vector<std::string> texts = std::vector<std::string>(SampleValues::Count); // Text1 ...
    std::string caption;                                                            // of Label10
    bool hasLabel10 = true;
    std::vector<std::string> reads; // "Text1", ...
    // What Text1 holds from its second read on, where it changes between
    // two reads.
    std::optional<std::string> secondReadOfText1;
    int text1Reads = 0;
    std::vector<std::string> captionHistory;
    std::vector<std::string> messages;
    std::vector<int> buttonCodes;
    std::vector<std::string> errorBoxes;
    // How the result looked while each box (message or error) was up.
    std::vector<bool> resultCurrentWhileBoxShown;
    std::optional<int> focusedField;
    std::vector<std::pair<int, std::string>> explained; // field and why, as ExplainField got them
    bool resultCurrent = true;
    int outdatedMarks = 0; // how often a current result became outdated
    std::vector<std::string> announcements;
    // How many boxes had been shown when each announcement was made.
    std::vector<std::size_t> boxesBeforeAnnouncement;

protected:
    std::optional<std::string> ReadFieldText(int field) override {
        reads.push_back("Text" + std::to_string(field));
        if (field < 1 || static_cast<std::size_t>(field) > texts.size())
            return std::nullopt;
        if (field == 1 && ++text1Reads >= 2 && secondReadOfText1)
            return *secondReadOfText1;
        return texts[static_cast<std::size_t>(field - 1)];
    }

    void ShowModalMessage(std::string_view prompt, int buttons) override {
        messages.emplace_back(prompt);
        buttonCodes.push_back(buttons);
        resultCurrentWhileBoxShown.push_back(resultCurrent);
    }

    void ShowResultCurrent(bool current) override {
        outdatedMarks += current ? 0 : 1;
        resultCurrent = current;
    }

    void Announce(std::string_view text) override {
        announcements.emplace_back(text);
        boxesBeforeAnnouncement.push_back(messages.size() + errorBoxes.size());
    }

    bool WriteResultCaption(std::string_view text) override {
        if (!hasLabel10)
            return false;
        caption = text;
        captionHistory.emplace_back(text);
        return true;
    }
};

} // namespace velmora
