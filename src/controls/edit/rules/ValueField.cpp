#include "ValueField.h"

#include "AffixText.h"
#include "NumericClass.h"
#include "ValueConversion.h"
#include "ValueFormat.h"

namespace tornivex::edit {

std::u16string ValueField::ReadText() const {
    return ValueTextOf(display_.DisplayedText(), settings_.Prefix, settings_.Suffix);
}

void ValueField::WriteText(std::u16string_view v) {
    const std::u16string shown = FormatWrittenText(settings_, std::u16string(v));
    display_.ShowDisplayedText(settings_.Prefix + shown + settings_.Suffix);
    modified_ = false;
}

double ValueField::ReadFloatValue() const { return edit::ReadFloatValue(settings_.EditType, ReadText()); }

void ValueField::WriteFloatValue(double x) {
    WriteText(FloatValueText(settings_, x));
    modified_ = true;
}

int32_t ValueField::ReadIntValue() const { return edit::ReadIntValue(settings_.EditType, ReadText()); }

void ValueField::WriteIntValue(int32_t n) {
    WriteText(IntValueText(settings_, n));
    modified_ = true;
}

bool ValueField::EmptyStaysEmpty() const {
    return settings_.AllowNumericNullValue && ReadText().empty();
}

void ValueField::SetEditType(TAdvEditType type) {
    settings_.EditType = type;
    if (EmptyStaysEmpty()) return;
    const NumericClass kind = ClassifyNumericText(ReadText());
    switch (type) {
        case etNumeric:
            if (kind != NumericClass::Integer) WriteIntValue(0);
            break;
        case etFloat:
        case etMoney:
            if (!IsIntegerOrFloat(kind)) WriteFloatValue(0);
            break;
        case etHex:
            if (kind != NumericClass::Integer && kind != NumericClass::Hexadecimal) WriteIntValue(0);
            break;
        default:
            break;
    }
}

void ValueField::SetPrecision(int16_t precision) {
    const TAdvEditType type = settings_.EditType;
    if (type != etString && !IsFloatType(type)) return;
    settings_.Precision = precision;
    if (EmptyStaysEmpty()) return;
    if (!IsIntegerOrFloat(ClassifyNumericText(ReadText()))) WriteFloatValue(0);
    else WriteFloatValue(ReadFloatValue());
}

void ValueField::SetPrecisionDisplay(TPrecisionDisplay display) {
    settings_.PrecisionDisplay = display;
    if (EmptyStaysEmpty()) return;
    WriteFloatValue(ReadFloatValue());
}

void ValueField::SetPrefix(std::u16string_view prefix) {
    const std::u16string value = ReadText();
    settings_.Prefix = prefix;
    WriteText(value);
}

void ValueField::SetSuffix(std::u16string_view suffix) {
    const std::u16string value = ReadText();
    settings_.Suffix = suffix;
    WriteText(value);
}

void ValueField::WritePaste(const PasteVerdict& verdict) {
    if (verdict.action == PasteAction::Refuse) return;
    WriteText(verdict.text);
    if (verdict.action == PasteAction::WriteTextAndRound) WriteFloatValue(ReadFloatValue());
    modified_ = true;
}

void ValueField::LeaveFormatting() {
    const TAdvEditType type = settings_.EditType;
    const bool nullAllowed = settings_.AllowNumericNullValue;
    if (settings_.Precision > 0 && IsFloatType(type) && (!ReadText().empty() || !nullAllowed)) {
        const bool wasModified = modified_;
        WriteFloatValue(ReadFloatValue());
        modified_ = wasModified;
    }
    if (type == etNumeric && ReadText().empty() && !nullAllowed) WriteText(u"0");
    if (IsFloatType(type) && ReadText().empty() && !nullAllowed) WriteFloatValue(0);
}

}  // namespace tornivex::edit
