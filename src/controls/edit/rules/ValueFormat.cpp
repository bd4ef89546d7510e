#include "ValueFormat.h"

#include <algorithm>

#include "LocaleSettings.h"
#include "NumberText.h"
#include "NumericClass.h"
#include "ValueConversion.h"

namespace tornivex::edit {
namespace {

constexpr int kMaxDecimals = 18;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Whether a PatternText result is a plain fixed number (not INF, NAN or exponent form).
bool IsPlainFixed(std::u16string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char16_t c) { return c == u'E' || c == u'I' || c == u'N'; });
}

std::u16string FixedPattern(int decimals) {
    std::u16string pattern = u"%.";
    for (const char c : std::to_string(decimals)) pattern += static_cast<char16_t>(c);
    pattern += u'f';
    return pattern;
}

// "%.0f": PatternText starts at one decimal, and rounding its one-decimal text again would round
// twice. With 18 decimals every digit of the 18-digit expansion that matters here is exact (for
// magnitudes below 0.1 a carry can at most turn the first decimal into "1"), so the half-up cut
// at the first decimal is done on that text.
std::u16string IntegerText(Extended value) {
    const std::u16string full = PatternText(FixedPattern(kMaxDecimals), value);
    if (!IsPlainFixed(full)) return full;
    const size_t separator = full.find(FormatSettings().DecimalSeparator);
    std::u16string integer = full.substr(0, separator);
    const bool negative = !integer.empty() && integer.front() == u'-';
    if (negative) integer.erase(0, 1);
    if (separator != std::u16string::npos && separator + 1 < full.size() &&
        full[separator + 1] >= u'5') {
        size_t i = integer.size();
        while (i > 0 && integer[i - 1] == u'9') integer[--i] = u'0';
        if (i == 0) integer.insert(0, 1, u'1');
        else ++integer[i - 1];
    }
    const bool zero = std::all_of(integer.begin(), integer.end(), [](char16_t c) { return c == u'0'; });
    return (negative && !zero) ? u"-" + integer : integer;
}

std::u16string GroupDigits(std::u16string text) {
    const char16_t thousand = FormatSettings().ThousandSeparator;
    const size_t begin = (!text.empty() && text.front() == u'-') ? 1 : 0;
    size_t end = begin;
    while (end < text.size() && IsDigit(text[end])) ++end;
    for (size_t cut = end; cut > begin + 3; cut -= 3) text.insert(cut - 3, 1, thousand);
    return text;
}

}  // namespace

std::u16string FixedText(int decimals, Extended value) {
    decimals = std::min(decimals, kMaxDecimals);
    if (decimals <= 0) return IntegerText(value);
    return PatternText(FixedPattern(decimals), value);
}

std::u16string GroupedText(int decimals, Extended value) {
    const std::u16string fixed = FixedText(decimals, value);
    return IsPlainFixed(fixed) ? GroupDigits(fixed) : fixed;
}

std::u16string FormatWrittenText(const ValueSettings& settings, std::u16string v) {
    const TAdvEditType type = settings.EditType;
    const bool numeric = type == etNumeric || type == etHex || IsFloatType(type);
    if (v.empty()) {
        // An empty numeric value becomes 0 unless the field may stay empty.
        if (numeric && !settings.AllowNumericNullValue) v.assign(1, u'0');
        else return v;
    }
    if (settings.PrecisionDisplay == pdShortest && IsFloatType(type)) {
        v = PatternText(u"%g", FloatConversion(v));
    } else if (settings.Precision > 0 || type == etMoney) {
        if (type == etFloat) v = FixedText(settings.Precision, FloatConversion(v));
        else if (type == etMoney) v = GroupedText(settings.Precision, FloatConversion(v));
    }
    if (type == etHex) {
        for (char16_t& c : v)
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return v;
}

std::u16string FloatValueText(const ValueSettings& settings, double x) {
    switch (settings.EditType) {
        case etNumeric:
        case etMoney:
            return GroupedText(std::max<int>(settings.Precision, 0), x);
        case etHex:
            // Truncated towards zero; outside the 32-bit range (or NaN) there is no hex value.
            if (!(x > -2147483649.0 && x < 2147483648.0)) return IntValueText(settings, 0);
            return IntValueText(settings, static_cast<int32_t>(x));
        default:
            if (settings.Precision < 0) return PatternText(u"%g", x);
            return FixedText(settings.Precision, x);
    }
}

std::u16string IntValueText(const ValueSettings& settings, int32_t n) {
    std::u16string text;
    if (settings.EditType == etHex) {
        static constexpr char16_t kHex[] = u"0123456789ABCDEF";
        auto bits = static_cast<uint32_t>(n);
        do {
            text.insert(0, 1, kHex[bits & 0xF]);
            bits >>= 4;
        } while (bits != 0);
        return text;
    }
    for (const char c : std::to_string(n)) text += static_cast<char16_t>(c);
    return text;
}

}  // namespace tornivex::edit
