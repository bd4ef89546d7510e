#include "DecimalDigits.h"

#include <algorithm>

#include "DecimalExpansion.h"
#include "Float80.h"

namespace tornivex {

namespace {

TFloatRec Zero() { return TFloatRec{}; }

// Keeps the first `cut` of the 18 digits, rounding half-up on digit cut + 1.
void CutHalfUp(TFloatRec& rec, int cut) {
    if (cut >= TFloatRec::kMaxDigits) {
        rec.Count = TFloatRec::kMaxDigits;
        return;
    }
    const bool roundUp = rec.Digits[cut] >= '5';
    rec.Count = static_cast<uint8_t>(cut);
    if (!roundUp) return;
    int i = cut - 1;
    while (i >= 0 && rec.Digits[i] == '9') {
        rec.Digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++rec.Digits[i];
    } else {
        // Carry out of the first digit: the value becomes 10^Exponent.
        rec.Digits[0] = '1';
        rec.Count = 1;
        ++rec.Exponent;
    }
}

void DropTrailingZeros(TFloatRec& rec) {
    while (rec.Count > 0 && rec.Digits[rec.Count - 1] == '0') --rec.Count;
    if (rec.Count == 0) {
        rec.Exponent = 0;
        rec.Negative = false;
    }
}

}  // namespace

TFloatRec DecimalDigits(Extended value, int precision, int decimals) {
    const float80::Fields f = float80::Decompose(value);
    if (f.biasedExponent == 0) return Zero();  // zeros and denormals alike

    TFloatRec rec;
    if (f.biasedExponent == float80::kMaxBiasedExponent) {
        const bool isInfinity = (f.significand << 1) == 0;  // the integer bit does not count
        rec.Exponent = isInfinity ? TFloatRec::kInfinity : TFloatRec::kNaN;
        rec.Negative = isInfinity && f.negative;
        return rec;
    }
    if (f.significand == 0) return Zero();  // an unnormal zero

    const detail::Expansion18 exact = detail::ExpandTo18Digits(f.significand, float80::BinaryScale(f));
    rec.Exponent = static_cast<int16_t>(exact.exponent);
    rec.Negative = f.negative;
    uint64_t digits = exact.digits;
    for (int i = TFloatRec::kMaxDigits - 1; i >= 0; --i) {
        rec.Digits[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }

    // Cut after `precision` significant digits, or earlier after `decimals` fraction digits.
    const int cut = decimals >= kUnlimitedDecimals ? precision
                                                   : std::min(exact.exponent + decimals, precision);
    if (cut < 0) return Zero();
    CutHalfUp(rec, cut);
    DropTrailingZeros(rec);
    return rec;
}

}  // namespace tornivex
