#include "PasteRules.h"

#include <algorithm>

#include "LocaleSettings.h"
#include "NumericClass.h"
#include "TypedChars.h"

namespace tornivex::edit {
namespace {

// Blanks and control characters.
bool IsTrimmed(char16_t c) { return c <= u' '; }

std::u16string Trim(std::u16string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin])) ++begin;
    while (end > begin && IsTrimmed(text[end - 1])) --end;
    return std::u16string(text.substr(begin, end - begin));
}

bool Contains(std::u16string_view text, char16_t c) {
    return text.find(c) != std::u16string_view::npos;
}

PasteVerdict JudgeFloat(const ValueSettings& settings, std::u16string_view candidate,
                        std::u16string_view pasted) {
    std::u16string text = Trim(candidate);
    if (!IsIntegerOrFloat(ClassifyNumericText(text))) return {};
    if (settings.Precision == 0 && Contains(pasted, FormatSettings().DecimalSeparator)) return {};
    if (Contains(text, u'-') && !settings.Signed) return {};
    return {PasteAction::WriteTextAndRound, std::move(text)};
}

std::u16string ConvertCase(TAdvEditType type, std::u16string text) {
    bool wordStart = true;
    for (char16_t& c : text) {
        const bool upper = type == etUppercase || (type == etMixedCase && wordStart);
        if (upper && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (!upper && c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        wordStart = c == u' ';
    }
    return text;
}

}  // namespace

std::u16string ClipboardLine(std::u16string_view clipboardText) {
    const size_t end = clipboardText.find_first_of(u"\r\n");
    return std::u16string(clipboardText.substr(0, end));
}

std::u16string BuildPasteCandidate(std::u16string_view valueText, size_t selStart,
                                   size_t selLength, std::u16string_view pasted) {
    selStart = std::min(selStart, valueText.size());
    selLength = std::min(selLength, valueText.size() - selStart);
    std::u16string candidate(valueText.substr(0, selStart));
    candidate += pasted;
    candidate += valueText.substr(selStart + selLength);
    return candidate;
}

bool ExceedsMaxLength(int maxLength, size_t pastedLength, size_t valueLength, size_t selLength) {
    if (maxLength <= 0) return false;
    return pastedLength + valueLength - std::min(selLength, valueLength) >
           static_cast<size_t>(maxLength);
}

PasteVerdict JudgePaste(const ValueSettings& settings, std::u16string_view candidate,
                        std::u16string_view pasted, std::u16string_view validChars) {
    switch (settings.EditType) {
        case etNumeric:
            if (ClassifyNumericText(candidate) != NumericClass::Integer) return {};
            if (!settings.Signed && Contains(candidate, u'-')) return {};
            return {PasteAction::WriteText, std::u16string(candidate)};
        case etFloat:
        case etMoney:
            return JudgeFloat(settings, candidate, pasted);
        case etUppercase:
        case etLowerCase:
        case etMixedCase:
            return {PasteAction::WriteText, ConvertCase(settings.EditType, std::u16string(candidate))};
        case etHex:
        case etAlphaNumeric:
        case etValidChars:
        case etRange:
            if (!std::all_of(pasted.begin(), pasted.end(), [&](char16_t c) {
                    return AcceptsCharacter(settings.EditType, c, validChars);
                }))
                return {};
            return {PasteAction::WriteText, std::u16string(candidate)};
        default:
            return {PasteAction::WriteText, std::u16string(candidate)};
    }
}

}  // namespace tornivex::edit
