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

    void ShowMessageBox(std::string_view prompt, int buttons) override {
        messages.emplace_back(prompt);
        buttonCodes.push_back(buttons);
    }

    // Only the runtime's error handling asks for these, never the calculation.
    [[nodiscard]] std::string FieldCaption(int field) const override {
        return "Text" + std::to_string(field);
    }
    void FocusField(int /*field*/) override {}

    std::vector<std::string> texts = std::vector<std::string>(SampleValues::Count); // Text1 ...
    std::string caption;                                                            // of Label10
    bool hasLabel10 = true;
    std::vector<std::string> reads; // "Text1", ...
    std::vector<std::string> captionHistory;
    std::vector<std::string> messages;
    std::vector<int> buttonCodes;
    bool resultCurrent = true;

protected:
    std::optional<std::string> ReadFieldText(int field) override {
        reads.push_back("Text" + std::to_string(field));
        if (field < 1 || static_cast<std::size_t>(field) > texts.size())
            return std::nullopt;
        return texts[static_cast<std::size_t>(field - 1)];
    }

    void ShowResultCurrent(bool current) override { resultCurrent = current; }

    bool WriteResultCaption(std::string_view text) override {
        if (!hasLabel10)
            return false;
        caption = text;
        captionHistory.emplace_back(text);
        return true;
    }
};

} // namespace velmora
