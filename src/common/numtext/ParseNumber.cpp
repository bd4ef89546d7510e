#include <cmath>

#include "Errors.h"
#include "LocaleSettings.h"
#include "NumberText.h"
#include "PowersOfTen.h"

namespace tornivex {

namespace {

enum class Outcome { Ok, BadSyntax, Overflow, Invalid };

constexpr int kExponentStop = 500;  // exponent digits are read until the value reaches this

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct Scan {
    std::u16string_view text;
    size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    char16_t Peek() const { return AtEnd() ? u'\0' : text[pos]; }
    bool Accept(char16_t c) {
        if (AtEnd() || text[pos] != c) return false;
        ++pos;
        return true;
    }
    void SkipSpaces() {
        while (Accept(u' ')) {}
    }
};

// Every digit goes into the value as value * 10 + digit, each operation rounded to the
// extended format; the count of digits after the separator comes back in fractionDigits.
Outcome ReadMantissa(Scan& scan, char16_t separator, Extended& value, int64_t& fractionDigits) {
    bool sawAny = false;
    const auto accumulate = [&] {
        const auto digit = static_cast<Extended>(scan.Peek() - u'0');
        value = value * 10;
        value = value + digit;
        ++scan.pos;
        sawAny = true;
    };
    while (IsDigit(scan.Peek())) accumulate();
    if (scan.Accept(separator)) {
        sawAny = true;
        while (IsDigit(scan.Peek())) {
            accumulate();
            ++fractionDigits;
        }
    }
    return sawAny ? Outcome::Ok : Outcome::BadSyntax;
}

// "E" or "e", a sign, then digits read until the value reaches 500; one more digit is an error.
Outcome ReadExponent(Scan& scan, int& exponent) {
    exponent = 0;
    if (!scan.Accept(u'E') && !scan.Accept(u'e')) return Outcome::Ok;
    bool negative = false;
    if (scan.Accept(u'-')) negative = true;
    else scan.Accept(u'+');
    while (IsDigit(scan.Peek())) {
        if (exponent >= kExponentStop) return Outcome::BadSyntax;
        exponent = exponent * 10 + (scan.Peek() - u'0');
        ++scan.pos;
    }
    if (negative) exponent = -exponent;
    return Outcome::Ok;
}

Outcome Convert(std::u16string_view text, Extended& result) {
    const char16_t separator = FormatSettings().DecimalSeparator;
    Scan scan{text};
    scan.SkipSpaces();
    bool negative = false;
    if (scan.Accept(u'-')) negative = true;
    else scan.Accept(u'+');

    Extended value = 0;
    int64_t fractionDigits = 0;
    int exponent = 0;
    if (ReadMantissa(scan, separator, value, fractionDigits) != Outcome::Ok) return Outcome::BadSyntax;
    if (ReadExponent(scan, exponent) != Outcome::Ok) return Outcome::BadSyntax;
    scan.SkipSpaces();
    if (!scan.AtEnd()) return Outcome::BadSyntax;

    if (!IsInf(value)) value = detail::ScaleByPowerOfTen(value, exponent - fractionDigits);
    if (negative) value = -value;
    if (IsNaN(value)) return Outcome::Invalid;
    result = value;
    return IsInf(value) ? Outcome::Overflow : Outcome::Ok;
}

}  // namespace

Extended ParseNumber(std::u16string_view text) {
    Extended value = 0;
    if (Convert(text, value) != Outcome::Ok) {
        throw EConvertError(u"'" + std::u16string(text) + u"' is not a valid floating point value");
    }
    return value;
}

bool TryParseNumber(std::u16string_view text, Extended& value) {
    return Convert(text, value) == Outcome::Ok;
}

}  // namespace tornivex
