#pragma once
// A displayed text held in a plain string, for value fields without a window (the command-line
// calculator, tests).
#include <string>
#include <vector>

#include "ValueField.h"

namespace tornivex::edit {

class PlainFieldDisplay : public FieldDisplay {
public:
    std::u16string DisplayedText() const override { return text_; }
    void ShowDisplayedText(const std::u16string& text) override {
        text_ = text;
        shown_.push_back(text);
    }
    // Every text shown, in order.
    const std::vector<std::u16string>& ShownTexts() const { return shown_; }
    // Sets the text as typing would, without formatting.
    void SetRawText(const std::u16string& text) { text_ = text; }

private:
    std::u16string text_;
    std::vector<std::u16string> shown_;
};

}  // namespace tornivex::edit
