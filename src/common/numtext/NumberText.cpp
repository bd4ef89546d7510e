#include "NumberText.h"

#include <stdexcept>

#include "DecimalDigits.h"
#include "LocaleSettings.h"
#include "TextWriters.h"

namespace tornivex {

namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kFixedPrecision = 18;
constexpr int kPaddedExponentDigits = 3;   // "%g": 1E-005
constexpr int kMaxPaddedFixedExponent = 4;  // "%.nf" above 10^18 pads its exponent up to n <= 4

// n of "%.<n>f", or 0 for "%g". Anything else is a caller's mistake.
int FixedDecimalsOf(std::u16string_view pattern) {
    if (pattern == u"%g") return 0;
    const bool shaped = pattern.size() >= 4 && pattern.size() <= 5 &&
                        pattern.substr(0, 2) == u"%." && pattern.back() == u'f';
    if (shaped) {
        int n = 0;
        bool digitsOnly = true;
        for (const char16_t c : pattern.substr(2, pattern.size() - 3)) {
            digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
            n = n * 10 + (c - u'0');
        }
        if (digitsOnly && n >= 1 && n <= kFixedPrecision) return n;
    }
    throw std::invalid_argument("PatternText: the pattern must be \"%g\" or \"%.<1..18>f\"");
}

}  // namespace

std::u16string NumberText(Extended value) {
    return detail::GeneralText(DecimalDigits(value, kGeneralPrecision), kGeneralPrecision, 0,
                               FormatSettings().DecimalSeparator);
}

std::u16string PatternText(std::u16string_view pattern, Extended value) {
    const char16_t separator = FormatSettings().DecimalSeparator;
    const int decimals = FixedDecimalsOf(pattern);
    if (decimals == 0) {
        return detail::GeneralText(DecimalDigits(value, kGeneralPrecision), kGeneralPrecision,
                                   kPaddedExponentDigits, separator);
    }
    const TFloatRec rec = DecimalDigits(value, kFixedPrecision, decimals);
    if (rec.Exponent == TFloatRec::kNaN || rec.Exponent > kFixedPrecision) {
        // 10^18 or more (and infinities, NaN): the general form with all 18 digits.
        const int exponentDigits = decimals <= kMaxPaddedFixedExponent ? decimals : 0;
        // With 18 or more digits before the point the cut keeps all 18: rec is already the
        // general record.
        return detail::GeneralText(rec, kFixedPrecision, exponentDigits, separator);
    }
    return detail::FixedText(rec, decimals, separator);
}

}  // namespace tornivex
