#pragma once
// The value side of a numeric edit field without any widget: reading and writing Text,
// FloatValue and IntValue, the property writes that re-show the value, accepted pastes and the
// formatting when the user leaves the field. The displayed text itself lives behind FieldDisplay
// (the edit control in the window, a plain string in the command-line tool and the tests).
#include <cstdint>
#include <string>
#include <string_view>

#include "EditTypes.h"
#include "PasteRules.h"

namespace tornivex::edit {

class FieldDisplay {
public:
    virtual ~FieldDisplay() = default;
    virtual std::u16string DisplayedText() const = 0;
    virtual void ShowDisplayedText(const std::u16string& text) = 0;
};

class ValueField {
public:
    explicit ValueField(FieldDisplay& display) : display_(display) {}
    // Bound to its display for life.
    ValueField(const ValueField&) = delete;
    ValueField& operator=(const ValueField&) = delete;

    const ValueSettings& Settings() const { return settings_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The displayed text without prefix and suffix.
    std::u16string ReadText() const;
    // Formats v, shows Prefix + v + Suffix and clears Modified.
    void WriteText(std::u16string_view v);
    // May raise EOverflow.
    double ReadFloatValue() const;
    // Formats x by Precision, writes it to Text and sets Modified.
    void WriteFloatValue(double x);
    int32_t ReadIntValue() const;
    void WriteIntValue(int32_t n);

    // Property writes; each re-shows the current value under the new setting.
    void SetEditType(TAdvEditType type);
    void SetPrecision(int16_t precision);
    void SetPrecisionDisplay(TPrecisionDisplay display);
    void SetPrefix(std::u16string_view prefix);
    void SetSuffix(std::u16string_view suffix);
    void SetSigned(bool isSigned) { settings_.Signed = isSigned; }
    void SetAllowNumericNullValue(bool allow) { settings_.AllowNumericNullValue = allow; }

    // Writes a paste that JudgePaste accepted and marks the field modified.
    void WritePaste(const PasteVerdict& verdict);

    // The formatting run when the field loses the focus. May raise EOverflow, leaving the text.
    void LeaveFormatting();

private:
    bool EmptyStaysEmpty() const;

    FieldDisplay& display_;
    ValueSettings settings_;
    bool modified_ = false;
};

}  // namespace tornivex::edit
