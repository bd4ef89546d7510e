#pragma once
// The main window's four input fields without the window: the same edit types, precisions,
// suffix and design texts, loaded in the window's order, with the same value rules. Each
// command-line argument goes into its field the way a paste into the emptied field does, and the
// field is then left, so its leave formatting runs exactly as when the user clicks "Calculate".
#include <array>
#include <functional>
#include <string>

#include "FieldDesigns.h"
#include "TuningCalculation.h"
#include "ValueField.h"

namespace tornivex::calc {

// In command-line order: step angle, division, R1, R2.
enum class FieldId { degED1, edMicro, edR1, edR2 };

struct FieldDescription {
    const char* name;     // the window's field name
    const char* meaning;  // what the user types there
};

const FieldDescription& DescribeField(FieldId id);

// A field's displayed text alone: one set of fields serves a whole batch, so nothing else is kept.
class TextDisplay : public edit::FieldDisplay {
public:
    std::u16string DisplayedText() const override { return text_; }
    void ShowDisplayedText(const std::u16string& text) override { text_ = text; }
    void SetRawText(const std::u16string& text) { text_ = text; }

private:
    std::u16string text_;
};

// One field built from a window's design, holding its value without the window.
struct DesignedField {
    explicit DesignedField(const TFieldDesign& design);
    // A paste into the emptied field, then leaving it; false when the field refuses the text.
    // `guarded` runs each step, catching what the window's error display would show.
    bool Put(const std::u16string& text, const std::function<void(const std::function<void()>&)>& guarded);

    TextDisplay display;
    edit::ValueField value{display};
};

class CalcFields : public TuningInputs {
public:
    // errorShown receives every error the window's error display would show while the fields
    // are filled and left (an overflow when a pasted number is read back).
    explicit CalcFields(std::function<void(const std::exception&)> errorShown);

    // False when the field refuses the text as a paste.
    bool PutArgument(FieldId id, const std::u16string& text);
    std::u16string DisplayedText(FieldId id) const;
    // Puts back a displayed text that entering a value left before.
    void RestoreDisplayedText(FieldId id, const std::u16string& text) { At(id).display.SetRawText(text); }
    // The displayed text without prefix and suffix: what the calculation reads.
    std::u16string ValueText(FieldId id) const;

    double StepAngle() override;
    std::u16string MicroText() override;
    std::u16string R1Text() override;
    std::u16string R2Text() override;

private:
    using Field = DesignedField;
    Field& At(FieldId id) { return fields_[static_cast<size_t>(id)]; }
    const Field& At(FieldId id) const { return fields_[static_cast<size_t>(id)]; }
    void Guarded(const std::function<void()>& body);

    std::array<Field, 4> fields_{Field(kMainWindowFields[0]), Field(kMainWindowFields[1]),
                                 Field(kMainWindowFields[2]), Field(kMainWindowFields[3])};
    std::function<void(const std::exception&)> errorShown_;
};

}  // namespace tornivex::calc
