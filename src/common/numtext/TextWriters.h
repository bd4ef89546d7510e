#pragma once
// Writing a decimal digit record as text in the general and the fixed format.
#include <string>

#include "DecimalDigits.h"

namespace tornivex::detail {

// "INF", "-INF" or "NAN" for those records, else empty.
std::u16string SpecialText(const TFloatRec& rec);

// Fixed form for -3 <= Exponent <= precision, else d.dddE[-]x with the exponent zero-padded to
// at least minExponentDigits.
std::u16string GeneralText(const TFloatRec& rec, int precision, int minExponentDigits,
                           char16_t decimalSeparator);

// Integer part, separator and exactly `decimals` digits, for a finite record below 10^18.
std::u16string FixedText(const TFloatRec& rec, int decimals, char16_t decimalSeparator);

}  // namespace tornivex::detail
