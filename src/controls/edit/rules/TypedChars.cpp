#include "TypedChars.h"

#include "LocaleSettings.h"

namespace tornivex::edit {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

char16_t ToUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

char16_t ToLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

CharDecision Refuse() { return {CharAction::Refuse, 0}; }
CharDecision Insert(char16_t c) { return {CharAction::Insert, c}; }

CharDecision DecideFloat(const ValueSettings& settings, const TypingContext& context, char16_t ch) {
    const TFormatSettings& fs = FormatSettings();
    const std::u16string_view value = context.valueText;
    const bool isSeparator = ch == fs.DecimalSeparator;
    if ((ch == u',' || ch == u'.') && !isSeparator) return Refuse();
    const bool thousandInMoney = settings.EditType == etMoney && ch == fs.ThousandSeparator;
    if (!IsDigit(ch) && ch != u'-' && !isSeparator && !thousandInMoney) return Refuse();

    const size_t separatorAt = value.find(fs.DecimalSeparator);
    const bool hasSeparator = separatorAt != std::u16string_view::npos;
    if (isSeparator) {
        const std::u16string_view selected = value.substr(context.selStart, context.selLength);
        if (selected.find(fs.DecimalSeparator) == std::u16string_view::npos) {
            if (hasSeparator)
                return {settings.Precision > 0 ? CharAction::JumpAfterDecimal : CharAction::Refuse, 0};
            if (settings.Precision == 0) return Refuse();
        }
        if (value.empty() && context.selStart == 0) return {CharAction::StartDecimal, ch};
        return Insert(ch);
    }

    if (IsDigit(ch) && context.selLength == 0 && settings.Precision > 0 && hasSeparator &&
        context.selStart > separatorAt) {
        const size_t behindCaret = value.size() - context.selStart;
        const size_t decimals = value.size() - separatorAt - 1;
        const auto precision = static_cast<size_t>(settings.Precision);
        if (behindCaret <= precision && decimals >= precision) {
            // The decimals are full: a digit overwrites the next one, or is dropped at the end.
            if (behindCaret == 0) return Refuse();
            return {CharAction::ReplaceNext, ch};
        }
    }
    return Insert(ch);
}

}  // namespace

bool AcceptsCharacter(TAdvEditType type, char16_t ch, std::u16string_view validChars) {
    switch (type) {
        case etNumeric:
            return IsDigit(ch);
        case etHex:
            return IsDigit(ch) || (ToUpper(ch) >= u'A' && ToUpper(ch) <= u'F');
        case etAlphaNumeric:
            return IsDigit(ch) || IsAsciiLetter(ch);
        case etValidChars:
            return validChars.find(ch) != std::u16string_view::npos;
        case etRange:
            // Ranges like "1-5,8,10-12".
            return IsDigit(ch) || ch == u'-' || ch == u',' || ch == u' ';
        default:
            return true;
    }
}

CharDecision DecideTypedChar(const ValueSettings& settings, const TypingContext& context,
                             char16_t ch) {
    const TAdvEditType type = settings.EditType;
    if (context.lengthLimit > 0 &&
        context.valueText.size() - context.selLength + 1 > static_cast<size_t>(context.lengthLimit))
        return Refuse();
    if (ch == u'-' && !settings.Signed && (type == etNumeric || IsFloatType(type))) return Refuse();

    switch (type) {
        case etNumeric:
            // A signed field takes its "-" like the float types do.
            return (IsDigit(ch) || ch == u'-') ? Insert(ch) : Refuse();
        case etFloat:
        case etMoney:
            return DecideFloat(settings, context, ch);
        case etUppercase:
            return Insert(ToUpper(ch));
        case etLowerCase:
            return Insert(ToLower(ch));
        case etMixedCase: {
            const bool wordStart =
                context.selStart == 0 || context.valueText[context.selStart - 1] == u' ';
            return Insert(wordStart ? ToUpper(ch) : ToLower(ch));
        }
        default:
            return AcceptsCharacter(type, ch, context.validChars) ? Insert(ch) : Refuse();
    }
}

}  // namespace tornivex::edit
