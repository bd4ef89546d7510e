#include "CalcFields.h"

#include "PasteRules.h"

namespace tornivex::calc {
namespace {

constexpr std::array<FieldDescription, 4> kDescriptions = {{
    {"degED1", "step angle"},
    {"edMicro", "micro-step division"},
    {"edR1", "gear ratio, motor side"},
    {"edR2", "gear ratio, axis side"},
}};

}  // namespace

const FieldDescription& DescribeField(FieldId id) { return kDescriptions[static_cast<size_t>(id)]; }

DesignedField::DesignedField(const TFieldDesign& design) {
    ApplyStoredProperties(
        value, design, [](const char16_t* text) { return std::u16string(text); },
        [this](const std::u16string& text) { value.WriteText(text); });
}

bool DesignedField::Put(const std::u16string& text, const std::function<void(const std::function<void()>&)>& guarded) {
    // The emptied field: only its prefix and suffix are left, the caret at the value's start.
    display.SetRawText(value.Settings().Prefix + value.Settings().Suffix);
    const std::u16string pasted = edit::ClipboardLine(text);
    const std::u16string candidate = edit::BuildPasteCandidate(u"", 0, 0, pasted);
    const edit::PasteVerdict verdict = edit::JudgePaste(value.Settings(), candidate, pasted, u"");
    if (verdict.action == edit::PasteAction::Refuse) return false;
    guarded([&] { value.WritePaste(verdict); });
    guarded([&] { value.LeaveFormatting(); });
    return true;
}

// Field ids follow the designs' order: step angle, division, motor side, axis side.
CalcFields::CalcFields(std::function<void(const std::exception&)> errorShown)
    : errorShown_(std::move(errorShown)) {}

void CalcFields::Guarded(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        errorShown_(error);
    }
}

bool CalcFields::PutArgument(FieldId id, const std::u16string& text) {
    return At(id).Put(text, [this](const std::function<void()>& step) { Guarded(step); });
}

std::u16string CalcFields::DisplayedText(FieldId id) const { return At(id).display.DisplayedText(); }
std::u16string CalcFields::ValueText(FieldId id) const { return At(id).value.ReadText(); }

double CalcFields::StepAngle() { return At(FieldId::degED1).value.ReadFloatValue(); }
std::u16string CalcFields::MicroText() { return At(FieldId::edMicro).value.ReadText(); }
std::u16string CalcFields::R1Text() { return At(FieldId::edR1).value.ReadText(); }
std::u16string CalcFields::R2Text() { return At(FieldId::edR2).value.ReadText(); }

}  // namespace tornivex::calc
