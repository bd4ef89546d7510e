#pragma once
// The decimal digit record every number-to-text conversion starts from.
#include <cstdint>
#include <string_view>

#include "Extended.h"

namespace tornivex {

struct TFloatRec {
    static constexpr int16_t kInfinity = 32767;
    static constexpr int16_t kNaN = -32768;
    static constexpr int kMaxDigits = 18;

    int16_t Exponent = 0;  // the value is 0.d1d2d3... * 10^Exponent
    bool Negative = false;
    uint8_t Count = 0;     // significant digits, no trailing zeros; 0 for zero
    char Digits[kMaxDigits] = {};

    std::string_view DigitText() const { return {Digits, Count}; }
};

// No limit on the decimals (the general format).
constexpr int kUnlimitedDecimals = 9999;

// The digits of value, cut half-up after `precision` significant digits or `decimals` digits
// after the decimal point, whichever comes first.
TFloatRec DecimalDigits(Extended value, int precision, int decimals = kUnlimitedDecimals);

}  // namespace tornivex
