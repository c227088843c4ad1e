#pragma once

#include "control_access.h"

#include <map>
#include <string>
#include <vector>

// A window without a screen: seven text fields and Label10, recording every
// read, every caption set and every message box.
class FakeForm : public velmora::ControlAccess {
public:
    explicit FakeForm(const std::vector<std::string>& fieldTexts = {}) {
        for (std::size_t k = 0; k < 7; ++k)
            texts["Text" + std::to_string(k + 1)] = k < fieldTexts.size() ? fieldTexts[k] : "";
        captions["Label10"] = "";
    }

    void ShowMessageBox(std::string_view prompt, int buttons) override {
        messages.emplace_back(prompt);
        buttonCodes.push_back(buttons);
    }

    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::string, std::less<>> captions;
    std::vector<std::string> reads;
    std::vector<std::string> captionHistory;
    std::vector<std::string> messages;
    std::vector<int> buttonCodes;

protected:
    std::optional<std::string> ReadText(std::string_view control) override {
        reads.emplace_back(control);
        const auto field = texts.find(control);
        if (field == texts.end())
            return std::nullopt;
        return field->second;
    }

    bool WriteCaption(std::string_view control, std::string_view caption) override {
        const auto label = captions.find(control);
        if (label == captions.end())
            return false;
        label->second = caption;
        captionHistory.emplace_back(caption);
        return true;
    }
};
