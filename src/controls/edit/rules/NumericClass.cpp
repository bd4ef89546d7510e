#include "NumericClass.h"

#include "LocaleSettings.h"

namespace tornivex::edit {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsHexLetter(char16_t c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

}  // namespace

NumericClass ClassifyNumericText(std::u16string_view text) {
    if (text.empty()) return NumericClass::Invalid;
    const TFormatSettings& fs = FormatSettings();
    bool integerShaped = true;
    bool floatShaped = true;
    bool hexShaped = true;
    int minusCount = 0;
    int separatorCount = 0;
    size_t previousThousand = 0;  // 1-based position of the previous thousand separator
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const size_t position = i + 1;
        if (c != u'-' && !IsDigit(c)) integerShaped = false;
        if (c != u'-' && c != u',' && c != u'.' && !IsDigit(c)) floatShaped = false;
        if (c != u'-' && !IsDigit(c) && !IsHexLetter(c)) hexShaped = false;
        if (c == fs.ThousandSeparator) {
            // Groups need room: never first, and at least three places after the previous one.
            if (position < 2 || (previousThousand != 0 && position - previousThousand < 3))
                floatShaped = false;
            previousThousand = position;
        }
        if (c == u'-') ++minusCount;
        if (c == fs.DecimalSeparator) ++separatorCount;
    }
    if (minusCount > 1 || separatorCount > 1) return NumericClass::Invalid;
    if (integerShaped) return NumericClass::Integer;
    if (floatShaped) return NumericClass::Float;
    if (hexShaped) return NumericClass::Hexadecimal;
    return NumericClass::Invalid;
}

}  // namespace tornivex::edit
