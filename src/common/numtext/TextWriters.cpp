#include "TextWriters.h"

namespace tornivex::detail {

namespace {

void AppendDigits(std::u16string& out, std::string_view digits) {
    for (const char d : digits) out += static_cast<char16_t>(d);
}

void AppendZeros(std::u16string& out, int count) {
    if (count > 0) out.append(static_cast<size_t>(count), u'0');
}

void AppendExponent(std::u16string& out, int exponent, int minDigits) {
    out += u'E';
    if (exponent < 0) out += u'-';
    char buffer[8];
    int n = 0;
    unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    do {
        buffer[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    AppendZeros(out, minDigits - n);
    while (n > 0) out += static_cast<char16_t>(buffer[--n]);
}

// The first `count` digits, filled up with zeros when there are fewer.
void AppendIntegerPart(std::u16string& out, std::string_view digits, int count) {
    const int available = static_cast<int>(digits.size()) < count ? static_cast<int>(digits.size()) : count;
    AppendDigits(out, digits.substr(0, static_cast<size_t>(available)));
    AppendZeros(out, count - available);
}

}  // namespace

std::u16string SpecialText(const TFloatRec& rec) {
    if (rec.Exponent == TFloatRec::kInfinity) return rec.Negative ? u"-INF" : u"INF";
    if (rec.Exponent == TFloatRec::kNaN) return u"NAN";
    return {};
}

std::u16string GeneralText(const TFloatRec& rec, int precision, int minExponentDigits,
                           char16_t decimalSeparator) {
    std::u16string special = SpecialText(rec);
    if (!special.empty()) return special;

    std::u16string out;
    out.reserve(32);
    if (rec.Negative) out += u'-';
    const std::string_view digits = rec.DigitText();
    if (digits.empty()) {
        out += u'0';
        return out;
    }
    const int e = rec.Exponent;
    if (e >= -3 && e <= precision) {
        if (e > 0) {
            AppendIntegerPart(out, digits, e);
            if (static_cast<int>(digits.size()) > e) {
                out += decimalSeparator;
                AppendDigits(out, digits.substr(static_cast<size_t>(e)));
            }
        } else {
            out += u'0';
            out += decimalSeparator;
            AppendZeros(out, -e);
            AppendDigits(out, digits);
        }
        return out;
    }
    out += static_cast<char16_t>(digits[0]);
    if (digits.size() > 1) {
        out += decimalSeparator;
        AppendDigits(out, digits.substr(1));
    }
    AppendExponent(out, e - 1, minExponentDigits);
    return out;
}

std::u16string FixedText(const TFloatRec& rec, int decimals, char16_t decimalSeparator) {
    std::u16string out;
    out.reserve(40);
    if (rec.Negative) out += u'-';
    const std::string_view digits = rec.DigitText();
    const int e = rec.Exponent;
    if (e > 0) AppendIntegerPart(out, digits, e);
    else out += u'0';
    out += decimalSeparator;
    const size_t start = out.size();
    if (e < 0) AppendZeros(out, -e);
    if (static_cast<int>(digits.size()) > (e > 0 ? e : 0)) {
        AppendDigits(out, digits.substr(static_cast<size_t>(e > 0 ? e : 0)));
    }
    AppendZeros(out, decimals - static_cast<int>(out.size() - start));
    return out;
}

}  // namespace tornivex::detail
