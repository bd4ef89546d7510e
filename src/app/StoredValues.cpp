#include "StoredValues.h"

#include <charconv>
#include <cstdint>

#include "ExtendedArithmetic.h"
#include "Float80.h"
#include "LocaleSettings.h"
#include "NumberText.h"

namespace tornivex {
namespace {

struct FormatShape {
    int bits;         // significand bits, the leading one included
    int minExponent;  // binary exponent e of the smallest normal, 2^e
    int maxExponent;  // binary exponent of the largest finite's leading bit
};

FormatShape Shape(StoredFormat format) {
    return format == StoredFormat::Float32 ? FormatShape{24, -126, 127} : FormatShape{53, -1022, 1023};
}

}  // namespace

std::optional<Extended> NearestStored(Extended value, StoredFormat format) {
    const FormatShape shape = Shape(format);
    float80::Fields f = float80::Decompose(value);
    if (f.biasedExponent == 0 || f.biasedExponent == float80::kMaxBiasedExponent) return std::nullopt;
    const int drop = 64 - shape.bits;
    const uint64_t half = uint64_t{1} << (drop - 1);
    const uint64_t rest = f.significand & ((uint64_t{1} << drop) - 1);
    uint64_t kept = f.significand >> drop;
    if (rest > half || (rest == half && (kept & 1))) ++kept;
    int exponent = f.biasedExponent - float80::kExponentBias;  // of the leading bit
    if (kept >> shape.bits) {  // rounded up to the next power of two
        kept >>= 1;
        ++exponent;
    }
    if (exponent < shape.minExponent || exponent > shape.maxExponent) return std::nullopt;
    f.significand = kept << drop;
    f.biasedExponent = exponent + float80::kExponentBias;
    return float80::Compose(f);
}

std::string ShortestStoredText(Extended stored, StoredFormat format) {
    char buffer[400];
    const double exact = static_cast<double>(stored);  // a value of the format: no rounding
    const auto written =
        format == StoredFormat::Float32
            ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(exact), std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, exact, std::chars_format::fixed);
    return std::string(buffer, written.ptr);
}

std::u16string PointNumberText(Extended value) {
    const ScopedFormatSettings point(u'.', u',');
    return NumberText(value);
}

Extended DriftPerTurn(Extended used, Extended units) {
    const Extended kFullCircle = 360;
    return Divide(Multiply(Subtract(used, units), kFullCircle), units);
}

RoundedValue RoundedUnits(Extended units, int decimals) {
    const std::u16string pattern = u"%." + std::u16string(1, static_cast<char16_t>(u'0' + decimals)) + u"f";
    std::u16string text = PatternText(pattern, units);
    return {ParseNumber(text), std::move(text)};
}

}  // namespace tornivex
