#include "ValueConversion.h"

#include <cmath>
#include <string>

#include "Errors.h"
#include "LocaleSettings.h"
#include "NumberText.h"

namespace tornivex::edit {

Extended FloatConversion(std::u16string_view valueText) {
    std::u16string text(valueText);
    std::erase(text, FormatSettings().ThousandSeparator);
    Extended value = 0;
    if (TryParseNumber(text, value)) return value;
    // After an overflow the destination holds the infinity; after a syntax failure it is unchanged.
    return IsInf(value) ? value : Extended(0);
}

double ReadFloatValue(TAdvEditType type, std::u16string_view valueText) {
    if (type == etHex) return ReadIntValue(type, valueText);
    if (valueText.empty() || valueText == u"-") return 0.0;
    const Extended value = FloatConversion(valueText);
    // An infinity here came from a text too large even for the extended format: it is as much
    // beyond the double range as a finite one that overflows the rounding below.
    if (IsInf(value)) throw EOverflow();
    const double rounded = static_cast<double>(value);
    if (std::isinf(rounded)) throw EOverflow();
    return rounded;
}

int32_t ReadIntValue(TAdvEditType type, std::u16string_view valueText) {
    std::u16string text;
    if (type == etHex) text.push_back(u'$');
    text.append(valueText);
    try {
        return ParseInteger(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

}  // namespace tornivex::edit
