#pragma once
// What a field shows when its value is written: the formatting by edit type, Precision and
// PrecisionDisplay. Separators come from FormatSettings().
#include <cstdint>
#include <string>
#include <string_view>

#include "EditTypes.h"
#include "Extended.h"

namespace tornivex::edit {

// Fixed notation with the given decimals, rounded half-up on the 18-digit expansion like
// PatternText "%.<n>f". decimals 0 gives an integer text; more than 18 is treated as 18.
std::u16string FixedText(int decimals, Extended value);

// FixedText with the integer part grouped by ThousandSeparator.
std::u16string GroupedText(int decimals, Extended value);

// The value text shown when v is written to Text (prefix and suffix not included).
std::u16string FormatWrittenText(const ValueSettings& settings, std::u16string v);

// The value text written to Text when x is written to FloatValue.
std::u16string FloatValueText(const ValueSettings& settings, double x);

// The value text written to Text when n is written to IntValue.
std::u16string IntValueText(const ValueSettings& settings, int32_t n);

}  // namespace tornivex::edit
